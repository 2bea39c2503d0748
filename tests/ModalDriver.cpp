#include "ModalDriver.h"
#include "ui/app/AppWindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace vornask::test {

ModalDriver::ModalDriver() {
    connect(&timer_, &QTimer::timeout, this, &ModalDriver::Poll);
    timer_.start(5);
}

ModalDriver::~ModalDriver() = default;

ModalDriver& ModalDriver::When(const QString& objectName, Action action) {
    pending_.push_back(
        {[objectName](QWidget* w) { return w->objectName() == objectName; }, std::move(action)});
    return *this;
}

ModalDriver& ModalDriver::Answer(int standardButton) {
    pending_.push_back({[](QWidget* w) { return qobject_cast<QMessageBox*>(w) != nullptr; },
                        [standardButton](QWidget* w) {
                            auto* box = qobject_cast<QMessageBox*>(w);
                            box->button(QMessageBox::StandardButton(standardButton))->click();
                        }});
    return *this;
}

ModalDriver& ModalDriver::PressReturn(int standardButton) {
    return OnMessageBox([standardButton](QMessageBox* box) {
        QAbstractButton* expected = box->button(QMessageBox::StandardButton(standardButton));
        const bool isDefault = box->defaultButton() == expected;
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY2(isDefault, qPrintable(box->text()));
    });
}

ModalDriver& ModalDriver::OnMessageBox(std::function<void(QMessageBox*)> action) {
    pending_.push_back(
        {[](QWidget* w) { return qobject_cast<QMessageBox*>(w) != nullptr; },
         [action = std::move(action)](QWidget* w) { action(qobject_cast<QMessageBox*>(w)); }});
    return *this;
}

ModalDriver& ModalDriver::CloseNoThenYes(const QString& objectName, bool& keptOpen) {
    return When(objectName, [](QWidget* w) { w->close(); })
        .PressReturn(QMessageBox::No)
        .When(objectName,
              [&keptOpen](QWidget* w) {
                  keptOpen = w->isVisible();
                  w->close();
              })
        .Answer(QMessageBox::Yes);
}

ModalDriver& ModalDriver::ChooseFile(const QString& objectName, const QString& path) {
    return When(objectName, [path](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        QVERIFY(dialog);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    });
}

ModalDriver& ModalDriver::CancelFile(const QString& objectName) {
    return When(objectName, [](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
}

void ModalDriver::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    // A check that failed inside an action leaves its window open; closing what is left lets
    // the test report the failure instead of waiting for the watchdog. Closed as its "Cancel"
    // would, a page asks nothing, so the closing ends.
    if (!acting_ && modal && QTest::currentTestFailed()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        return;
    }
    if (acting_ || pending_.empty())
        return;
    if (!modal || !modal->isVisible() || !pending_.front().matches(modal))
        return;
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        seen_ << QStringLiteral("MessageBox:%1:%2").arg(int(box->icon())).arg(box->text());
    else
        seen_ << modal->objectName();
    Step step = std::move(pending_.front());
    pending_.pop_front();
    // Acting from a timer of its own: an action that opens a further modal loop must not
    // block this polling timer, which Qt does not fire again while its own slot runs.
    acting_ = true;
    QTimer::singleShot(0, modal, [this, modal, act = std::move(step.act)] {
        acting_ = false;
        act(modal);
    });
}

void Pick(QWidget* window, const QString& comboName, const QString& item) {
    auto* box = Find<QComboBox>(window, comboName);
    const int index = box->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void Click(QWidget* window, const QString& objectName) {
    auto* button = window->findChild<QAbstractButton*>(objectName);
    QVERIFY2(button, qPrintable(objectName));
    button->click();
}

void CloseDroppingWork(QWidget* window) {
    ModalDriver drop; // asked only when there is work to lose
    drop.Answer(QMessageBox::Yes);
    window->close();
}

QWidget* TopLevel(const QString& objectName) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == objectName)
            return w;
    return nullptr;
}

void MakeEveryWindow(const AppWindows& windows) {
    windows.FirstBox();
    windows.SecondBox();
    windows.ThirdBox();
    windows.HelpBox();
    windows.FourthBox();
    windows.AdvancedAIOptions();
    windows.FifthBox();
    windows.CampaignBox();
    windows.SixthBox();
    windows.ViewSourceBox();
    windows.AskTitleBox();
    windows.CampaignFinished();
    windows.ViewCampaignSource();
}

} // namespace vornask::test
