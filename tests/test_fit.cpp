// Every window shows its captions and texts whole: CTest runs this program at the default font
// and again at one and a half times its size (QT_FONT_DPI=144). With VORNASK_GRAB_DIR set,
// each window is also saved there as a picture, to look at.
#include "ModalDriver.h"
#include "ui/app/AppWindows.h"
#include "ui/app/StartBox.h"
#include "ui/preview/PreviewBox.h"
#include "ui/wizard/ThirdBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace vornask;
using namespace vornask::test;

namespace {

const QStringList kWindows = {
    "StartBox",      "FirstBox",    "SecondBox",         "ThirdBox",          "HelpBox",
    "FourthBox",     "FifthBox",    "AdvancedAIOptions", "CampaignBox",       "SixthBox",
    "ViewSourceBox", "AskTitleBox", "CampaignFinished",  "ViewCampaignSource"};

// Windows the user cannot resize.
const QStringList kFixedSize = {"StartBox",    "FirstBox",        "SecondBox",         "ThirdBox",
                                "FourthBox",   "FifthBox",        "AdvancedAIOptions", "SixthBox",
                                "AskTitleBox", "CampaignFinished"};

// Windows that show a long text, which the user may make larger.
const QStringList kGrowing = {"HelpBox", "ViewSourceBox", "ViewCampaignSource"};

QString NameOf(const QWidget* control) {
    const QString name = control->objectName();
    return QString::fromLatin1(control->metaObject()->className()) + QLatin1Char(' ') +
           (name.isEmpty() ? QStringLiteral("\"") + control->property("text").toString() + '"'
                           : name);
}

// The room a control's text needs, or an empty size for a control whose text may scroll.
QSize Needed(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (label->text().isEmpty())
            return {};
        return label->wordWrap() ? QSize(0, label->heightForWidth(label->width()))
                                 : label->sizeHint();
    }
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        // The caption within the button's frame.
        const QFontMetrics metrics = button->fontMetrics();
        const int frame =
            button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button) + 1;
        return {metrics.horizontalAdvance(button->text().remove('&')) + 2 * frame,
                metrics.height() + 2 * frame};
    }
    if (qobject_cast<QCheckBox*>(control))
        return control->sizeHint();
    if (auto* group = qobject_cast<QGroupBox*>(control))
        return {group->fontMetrics().horizontalAdvance(group->title()) + 16, 0};
    return {};
}

// What `window` shows cut off, as it stands: texts without the room they need, tab bars that
// hide tabs behind scroll arrows.
QStringList Clipped(QWidget* window) {
    QStringList clipped;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window))
            continue;
        if (qobject_cast<QToolButton*>(control) && qobject_cast<QTabBar*>(control->parent())) {
            clipped << QStringLiteral("scroll arrows on ") + NameOf(control->parentWidget());
            continue;
        }
        const QSize needed = Needed(control);
        if (needed.width() > control->width() || needed.height() > control->height())
            clipped << QStringLiteral("%1 needs %2x%3, has %4x%5")
                           .arg(NameOf(control))
                           .arg(needed.width())
                           .arg(needed.height())
                           .arg(control->width())
                           .arg(control->height());
    }
    return clipped;
}

void Grab(QWidget* window, const QString& state) {
    const QString folder = qEnvironmentVariable("VORNASK_GRAB_DIR");
    if (!folder.isEmpty())
        window->grab().save(QDir(folder).filePath(state + QStringLiteral(".png")));
}

// Checks `window` as it stands; `state` names what it shows.
void CheckShown(QWidget* window, const QString& state) {
    QCoreApplication::processEvents();
    Grab(window, state);
    const QStringList clipped = Clipped(window);
    QVERIFY2(clipped.isEmpty(), qPrintable(state + QStringLiteral(": ") + clipped.join("; ")));
}

} // namespace

class FitTest : public QObject {
    Q_OBJECT
    std::unique_ptr<AppWindows> windows_;

private slots:
    void initTestCase() {
        windows_ = std::make_unique<AppWindows>();
        MakeEveryWindow(*windows_);
    }

    // Every window in each of the states that show other controls: every tab of the players
    // page, every option of the advanced dialog.
    void everyWindowShowsItsTextsWhole_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : kWindows)
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyWindowShowsItsTextsWhole() {
        QFETCH(QString, name);
        QWidget* window = TopLevel(name);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        CheckShown(window, name);
        if (auto* tabs = window->findChild<QTabWidget*>()) {
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                CheckShown(window, name + '-' + tabs->tabText(tab));
            }
            tabs->setCurrentIndex(0);
        }
        if (name == "StartBox") { // a long path, under the buttons after a save
            auto* saved = Find<QLabel>(window, "SavedLabel");
            saved->setText("Saved /home/mapmaker/.wine/drive_c/Games/NetStorm/D/Island1.english");
            CheckShown(window, name + "-saved");
            saved->clear();
        }
        if (name == "AdvancedAIOptions") {
            auto* options = Find<QListWidget>(window, "ListBox1");
            for (int row = 0; row < options->count(); ++row) {
                options->setCurrentRow(row);
                CheckShown(window, name + '-' + options->item(row)->text());
            }
        }
        QCOMPARE(window->minimumSize() == window->maximumSize(), kFixedSize.contains(name));
        window->hide();
    }

    // The help shows as many lines at a large font as at the default one.
    void theHelpKeepsItsLines() {
        auto* help = Find<QPlainTextEdit>(TopLevel("HelpBox"), "HelpBox");
        TopLevel("HelpBox")->show();
        QVERIFY(help->viewport()->height() >= 12 * help->fontMetrics().lineSpacing());
        QVERIFY(help->viewport()->width() >= 34 * help->fontMetrics().averageCharWidth());
        TopLevel("HelpBox")->hide();
    }

    // A larger help or source view shows more of its text; none becomes smaller than its page.
    void theHelpAndTheSourceViewsGrow() {
        for (const QString& name : kGrowing) {
            QWidget* window = TopLevel(name);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const QSize page = window->size();
            QCOMPARE(window->minimumSize(), page);
            auto* text = window->findChild<QPlainTextEdit*>();
            const QSize shown = text->viewport()->size();
            window->resize(page + QSize(300, 400));
            QTRY_COMPARE(text->viewport()->size(), shown + QSize(300, 400));
            window->resize(page - QSize(50, 50));
            QCOMPARE(window->size(), page);
            window->hide();
        }
    }

    // The preview, made when first opened, with its title, flags and buttons.
    void thePreviewShowsItsTextsWhole() {
        TPreviewBox& preview = windows_->PreviewBox();
        const std::vector<std::string> section = {
            "<h2>The Sunken Isles</h2>", "<p>The storm took the old bridges.",
            "<?{Donesunken2}>Again.</?>", "$Button=Review Knowledge,ShowTechnology,55",
            "$Button=Play Mission,DoNothing,0"};
        preview.Follow(windows_->ThirdBox(), [section] { return PreviewSection{section, {}}; }, {});
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        CheckShown(&preview, "PreviewBox");
        QVERIFY(preview.minimumSize() != preview.maximumSize());
        preview.close();
    }

    // The longest ability name shows whole in the box and in its list.
    void theAbilityBoxShowsTheLongestNameWhole() {
        QWidget* dialog = TopLevel("AdvancedAIOptions");
        dialog->show();
        auto* options = Find<QListWidget>(dialog, "ListBox1");
        options->setCurrentItem(options->findItems("Ability", Qt::MatchExactly).value(0));
        auto* box = Find<QComboBox>(dialog, "AbilityBox");
        int longest = 0;
        for (int item = 0; item < box->count(); ++item)
            longest = std::max(
                longest, box->lineEdit()->fontMetrics().horizontalAdvance(box->itemText(item)));
        QVERIFY2(box->lineEdit()->width() >= longest + 4,
                 qPrintable(QStringLiteral("%1 < %2").arg(box->lineEdit()->width()).arg(longest)));
        box->showPopup();
        QTRY_VERIFY(box->view()->isVisible());
        QVERIFY(box->view()->viewport()->width() >= box->view()->sizeHintForColumn(0));
        box->hidePopup();
        dialog->hide();
    }
};

QTEST_MAIN(FitTest)
#include "test_fit.moc"
