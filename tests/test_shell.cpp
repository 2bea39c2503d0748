#include "ModalDriver.h"
#include "ui/app/AppWindows.h"
#include "ui/app/StartBox.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

using namespace vornask;
using namespace vornask::test;

class ShellTest : public QObject {
    Q_OBJECT
    std::unique_ptr<AppWindows> windows_;

private slots:
    void initTestCase() {
        windows_ = std::make_unique<AppWindows>();
        windows_->StartBox().show();
    }

    void fourteenWindowsWithTheirNamesAndCaptions() {
        // Start-up makes the start window alone; every other window is made when first needed.
        QStringList made;
        for (QWidget* window : QApplication::topLevelWidgets())
            made << window->objectName();
        QCOMPARE(made, QStringList{"StartBox"});
        MakeEveryWindow(*windows_);

        const QList<QPair<QString, QString>> expected = {
            {"StartBox", "VORNASK Creator"},
            {"FirstBox", "VORNASK Creator"},
            {"SecondBox", "VORNASK Creator"},
            {"ThirdBox", "VORNASK Creator"},
            {"HelpBox", "VORNASK Creator"},
            {"FourthBox", "VORNASK File Creator"},
            {"AdvancedAIOptions", "Advanced AI Options"},
            {"FifthBox", "VORNASK Creator"},
            {"CampaignBox", "VORNASK Creator"},
            {"SixthBox", "VORNASK Creator"},
            {"ViewSourceBox", "VORNASK Creator"},
            {"AskTitleBox", "What's the Title?"},
            {"CampaignFinished", "VORNASK Creator"},
            {"ViewCampaignSource", "VORNASK Creator"}};
        for (const auto& [name, caption] : expected) {
            QWidget* window = TopLevel(name);
            QVERIFY2(window, qPrintable(name));
            QCOMPARE(window->windowTitle(), caption);
            // Outside tools see the class by its plain name: "TStartBox" for StartBox.
            QCOMPARE(QString::fromLatin1(window->metaObject()->className()), "T" + name);
            QCOMPARE(window->isVisible(), name == "StartBox");
        }
    }

    void newMissionWalksThroughEveryPageAndBack() {
        ModalDriver driver;
        // Each page with its "OK" button.
        const QList<QPair<QString, QString>> chain = {
            {"FirstBox", "Button1"},  {"SecondBox", "Button1"}, {"ThirdBox", "Button1"},
            {"FourthBox", "Button2"}, {"FifthBox", "Button1"},  {"SixthBox", "Button1"}};
        for (const auto& [page, ok] : chain)
            driver.When(page, [ok](QWidget* w) {
                // Only the active page is visible: the one before it was hidden.
                for (QWidget* other : QApplication::topLevelWidgets())
                    if (other != w && qobject_cast<QDialog*>(other))
                        QVERIFY2(!other->isVisible(), qPrintable(other->objectName()));
                Click(w, ok);
            });
        // The finish page's "OK" saves; giving up saving still ends the wizard.
        driver.CancelFile("SaveDialog1").Answer(0x00004000); // QMessageBox::Yes
        Click(&windows_->StartBox(), "Button1");
        QVERIFY(driver.Done());
        for (const auto& step : chain)
            QVERIFY(!TopLevel(step.first)->isVisible());
    }

    void closingAPageUnwindsTheChain() {
        ModalDriver driver;
        driver.When("FirstBox", [](QWidget* w) { Click(w, "Button1"); })
            .When("SecondBox", [](QWidget* w) { Click(w, "Button1"); })
            .When("ThirdBox", [](QWidget* w) { w->close(); });
        Click(&windows_->StartBox(), "Button1");
        QVERIFY(driver.Done());
        QVERIFY(!TopLevel("FourthBox")->isVisible());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

QTEST_MAIN(ShellTest)
#include "test_shell.moc"
