// Takes the README's pictures from the real windows: walks the mission wizard and the campaign
// editor as a user would, fills in a sample map on each page, and saves each window as it
// shows, as a small palette PNG; the entry box page also beside the preview of its story. Run on
// the offscreen platform by scripts/screenshots.
#include "../tests/ModalDriver.h"
#include "ui/app/AppWindows.h"
#include "ui/app/StartBox.h"
#include "ui/pages/PageFrame.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <cstdio>

using namespace vornask;
using vornask::test::Find;

namespace {

QString outputFolder;

// Saves `image` as `<name>.png`; a palette of 256 colours is plenty for windows and keeps the
// files small.
void SaveImage(const QImage& image, const char* name) {
    const QString path = QDir(outputFolder).filePath(QLatin1String(name) + QLatin1String(".png"));
    if (!image.convertToFormat(QImage::Format_Indexed8, Qt::AvoidDither).save(path))
        qFatal("cannot write %s", qPrintable(path));
    std::printf("%s\n", qPrintable(path));
}

// Saves what `window` shows as `<name>.png`.
void Picture(QWidget* window, const char* name) {
    SaveImage(window->grab().toImage(), name);
}

void PressOk(QWidget* page) {
    qobject_cast<TPageFrame*>(page)->okButton()->click();
}

void SetText(QWidget* window, const char* name, const QString& text) {
    Find<QLineEdit>(window, QLatin1String(name))->setText(text);
}

void SetMemo(QWidget* window, const char* name, const QString& text) {
    Find<QPlainTextEdit>(window, QLatin1String(name))->setPlainText(text);
}

void Tick(QWidget* window, const char* name) {
    Find<QCheckBox>(window, QLatin1String(name))->setChecked(true);
}

void TickRows(QWidget* window, const char* listName, std::initializer_list<int> rows) {
    auto* list = Find<QListWidget>(window, QLatin1String(listName));
    for (int row : rows)
        list->item(row)->setCheckState(Qt::Checked);
}

void FillGeneralDetails(QWidget* page) {
    SetText(page, "TitleBox", QStringLiteral("The Sunken Isles"));
    Find<QSpinBox>(page, QStringLiteral("MissionNumberBox"))->setValue(3);
}

void FillEntryBox(QWidget* page) {
    SetMemo(page, "BackgroundStoryBox",
            QStringLiteral("The storm took the old bridges.\nTwo priests of the Fire clan hold "
                           "the last islands, and they will not share the geysers.\n<p>~rBeware~. "
                           "the ~[IsunCannon.B9] on the western cliffs.<br>\n"
                           "<?{Donesunken2}>You drove them back once.</?>"
                           "<?!{Donesunken2}>No one has driven them back yet.</?>"));
}

// The entry box page, and beside it the preview of its text as the game draws it.
void ShowEntryBoxAndPreview(QWidget* page) {
    FillEntryBox(page);
    Picture(page, "3-entry-box");
    test::Click(page, QStringLiteral("PreviewButton"));
    QWidget* preview = test::TopLevel(QStringLiteral("PreviewBox"));
    QApplication::processEvents();
    const QPixmap left = page->grab();
    const QPixmap right = preview->grab();
    constexpr int kGap = 12;
    QPixmap both(left.width() + kGap + right.width(), std::max(left.height(), right.height()));
    both.fill(page->palette().color(QPalette::Window));
    QPainter painter(&both);
    painter.drawPixmap(0, 0, left);
    painter.drawPixmap(left.width() + kGap, 0, right);
    painter.end();
    SaveImage(both.toImage(), "3-preview");
    PressOk(page);
}

// The human player knows a little; two opponents take part, and the page shows the first.
void FillPlayers(QWidget* page) {
    TickRows(page, "MyTechBox", {0, 1, 2, 5});
    Tick(page, "EnableAI2");
    SetText(page, "AI2NameBox", QStringLiteral("Ember Priest"));
    Find<QSpinBox>(page, QStringLiteral("AI2StartMoneyBox"))->setValue(2000);
    Tick(page, "CheckBox2");
    Tick(page, "EnableAI3");
    Find<QTabWidget>(page, QStringLiteral("TabbedNotebook1"))->setCurrentIndex(1);
}

void ChooseAdvancedOption(QWidget* dialog) {
    // How fast the opponent draws bridges: 3 of 1 (very fast) to 8 (very slow).
    Find<QListWidget>(dialog, QStringLiteral("ListBox1"))->setCurrentRow(2);
    test::Pick(dialog, QStringLiteral("ComboBox1"), QStringLiteral("3"));
}

void FillEvent(QWidget* page) {
    test::Pick(page, QStringLiteral("ComboBox981"), QStringLiteral("Succeeded"));
    SetText(page, "HeadingBox", QStringLiteral("Victory"));
    SetMemo(page, "TextBox", QStringLiteral("The isles are yours. The Ember Priest has fled."));
}

void ChooseFinishOptions(QWidget* page) {
    Tick(page, "DuplicateCheck");
    Tick(page, "EditSourceCheck");
    SetText(page, "MissionName", QStringLiteral("sunken4"));
}

void FillCampaignIntro(QWidget* editor) {
    SetText(editor, "TitleBox", QStringLiteral("The Storm Years"));
    SetText(editor, "CampaignHeader", QStringLiteral("The Storm Years"));
    SetMemo(editor, "CampaignText",
            QStringLiteral("Two maps from the calm before the storm to the sunken isles."));
}

// Adds a mission as the user does: its file name typed into the box, "Add", and its title
// given in the prompt that follows.
void AddMission(test::ModalDriver& driver, const QString& fileName, const QString& title) {
    driver
        .When(QStringLiteral("CampaignBox"),
              [fileName](QWidget* editor) {
                  SetText(editor, "AddTreeItemBox", fileName);
                  test::Click(editor, QStringLiteral("Button2"));
              })
        .When(QStringLiteral("AskTitleBox"), [title](QWidget* prompt) {
            SetText(prompt, "MapTitleBox", title);
            qobject_cast<QDialog*>(prompt)->accept();
        });
}

// A step that fills the page, takes its picture and presses its "OK".
test::ModalDriver::Action FillShowAndGoOn(void (*fill)(QWidget*), const char* picture) {
    return [fill, picture](QWidget* page) {
        if (fill)
            fill(page);
        Picture(page, picture);
        PressOk(page);
    };
}

void WalkMissionRoad(AppWindows& windows, test::ModalDriver& driver) {
    driver.When(QStringLiteral("FirstBox"), FillShowAndGoOn(nullptr, "1-welcome"))
        .When(QStringLiteral("SecondBox"), FillShowAndGoOn(FillGeneralDetails, "2-general"))
        .When(QStringLiteral("ThirdBox"), ShowEntryBoxAndPreview)
        .When(QStringLiteral("FourthBox"),
              [](QWidget* page) {
                  FillPlayers(page);
                  Picture(page, "4-players");
                  test::Click(page, QStringLiteral("AdvancedButton2"));
              })
        .When(QStringLiteral("AdvancedAIOptions"),
              FillShowAndGoOn(ChooseAdvancedOption, "5-advanced"))
        .When(QStringLiteral("FourthBox"), PressOk)
        .When(QStringLiteral("FifthBox"), FillShowAndGoOn(FillEvent, "6-events"))
        .When(QStringLiteral("SixthBox"), FillShowAndGoOn(ChooseFinishOptions, "7-finish"))
        // The pictures end here: nothing is saved. The finish page closes itself once its
        // "OK" is done; the pages before it close as after a save.
        .When(QStringLiteral("ViewSourceBox"), [&windows](QWidget* sourceView) {
            Picture(sourceView, "8-source");
            qobject_cast<QDialog*>(sourceView)->reject();
            windows.CloseMissionWizard();
        });
    windows.StartBox().BeginCreating();
}

void WalkCampaignEditor(AppWindows& windows, test::ModalDriver& driver) {
    driver.When(QStringLiteral("CampaignBox"), FillCampaignIntro);
    AddMission(driver, QStringLiteral("calm1.english"), QStringLiteral("The Calm"));
    AddMission(driver, QStringLiteral("sunken3.english"), QStringLiteral("The Sunken Isles"));
    driver
        .When(QStringLiteral("CampaignBox"),
              [](QWidget* editor) {
                  Picture(editor, "9-campaign");
                  test::Click(editor, QStringLiteral("Button1"));
              })
        .When(QStringLiteral("CampaignFinished"), [](QWidget* finish) {
            Picture(finish, "10-campaign-finish");
            qobject_cast<QDialog*>(finish)->reject(); // closes the editor too
        });
    windows.StartBox().GoCampaign();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    outputFolder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outputFolder);

    // A window nobody answers (an unexpected message box) would wait for ever.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        qFatal("a window was left unanswered: %s",
               QApplication::activeModalWidget()
                   ? qPrintable(QApplication::activeModalWidget()->objectName())
                   : "none");
    });
    watchdog.start(60000);

    AppWindows windows;
    windows.StartBox().show();
    QApplication::processEvents();
    Picture(&windows.StartBox(), "0-start");

    test::ModalDriver driver;
    WalkMissionRoad(windows, driver);
    WalkCampaignEditor(windows, driver);
    if (!driver.Done()) {
        std::fprintf(stderr, "the windows closed before every one was seen: %s\n",
                     qPrintable(driver.Seen().join(QStringLiteral(", "))));
        return 1;
    }
    return 0;
}
