// Generated missions and guides, opened through the start window, confirmed on every page (and
// in the advanced dialog of every opponent that takes part) and saved over themselves: the
// files keep every byte, whatever their texts hold.
#include "GeneratedSettings.h"
#include "ModalDriver.h"
#include "core/campaign/CampaignReader.h"
#include "core/campaign/CampaignWriter.h"
#include "core/mission/MissionReader.h"
#include "core/mission/MissionWriter.h"
#include "core/text/FileKind.h"
#include "core/text/FileText.h"
#include "core/text/TextLines.h"
#include "core/text/Windows1252.h"
#include "ui/app/AppWindows.h"
#include "ui/app/StartBox.h"

#include <QFile>
#include <QMessageBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <random>

using namespace vornask;
using namespace vornask::test;

namespace {

using testing::SeededChoices;

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Write(const QString& path, const std::string& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes.data(), qint64(bytes.size())), qint64(bytes.size()));
}

// Chooses `path` in the start window's open dialog. Bytes that happen to look like UTF-8 bring
// the question whether to read them so: "No" reads them as the game's code page, as written.
// A text's line that the game reads as a section's start is named, and the file opened anyway.
// Control characters are named in a note.
void OpenInWindows(ModalDriver& driver, const QString& path, const QByteArray& bytes) {
    driver.ChooseFile("OpenDialog1", path);
    if (LooksLikeUtf8(bytes.toStdString()))
        driver.Answer(QMessageBox::No);
    const std::string text = bytes.toStdString();
    const ReadReport report = DetectFileKind(text) == FileKind::Mission
                                  ? ReadMissionFile(text).report
                                  : ReadCampaignFile(text).report;
    if (!report.sectionStarts.empty())
        driver.Answer(QMessageBox::Yes);
    if (HoldsControlCharacter(bytes.toStdString()))
        driver.Answer(QMessageBox::Ok);
}

} // namespace

class GeneratedFilesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { windows_.StartBox().show(); }

    void generatedMissionsSaveBackThroughEveryWindow() {
        SeededChoices choices{std::mt19937(90)};
        for (int run = 0; run < 150; ++run) {
            testing::SettingsGenerator generate(choices, run % 2
                                                             ? testing::GeneratedTexts::AsTyped
                                                             : testing::GeneratedTexts::Anything);
            const MissionSettings s = generate.Mission();
            MissionLines lines;
            BuildMissionLines(s, lines);
            const QString path = folder_.filePath(QStringLiteral("Mission%1.english").arg(run));
            Write(path, JoinLinesCrLf(lines));
            const QByteArray bytes = Contents(path);
            ModalDriver driver;
            OpenInWindows(driver, path, bytes);
            driver.When("SecondBox", [](QWidget* w) { Click(w, "Button1"); })
                .When("ThirdBox", [](QWidget* w) { Click(w, "Button1"); })
                .When("FourthBox", [s](QWidget* w) {
                    for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
                        if (s.opponent(side).enabled) {
                            Find<QTabWidget>(w, "TabbedNotebook1")
                                ->setCurrentIndex(side - kFirstOpponent + 1);
                            Click(w, QStringLiteral("AdvancedButton%1").arg(side));
                        }
                    Click(w, "Button2");
                });
            for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
                if (s.opponent(side).enabled)
                    driver.When("AdvancedAIOptions", [](QWidget* w) { Click(w, "Button2"); });
            driver.When("FifthBox", [](QWidget* w) { Click(w, "Button1"); })
                .When("SixthBox", [](QWidget* w) { Click(w, "Button1"); })
                .ChooseFile("SaveDialog1", path)
                .Answer(QMessageBox::Yes); // "Overwrite ...?"
            Click(&windows_.StartBox(), "Button3");
            QVERIFY2(driver.Done(), qPrintable(driver.Seen().join(',')));
            QVERIFY2(Contents(path) == bytes, qPrintable(path));
        }
    }

    void generatedGuidesSaveBackThroughTheCampaignEditor() {
        SeededChoices choices{std::mt19937(91)};
        for (int run = 0; run < 150; ++run) {
            testing::SettingsGenerator generate(choices, run % 2
                                                             ? testing::GeneratedTexts::AsTyped
                                                             : testing::GeneratedTexts::Anything);
            std::vector<std::string> lines;
            BuildCampaignLines(generate.Campaign(), lines);
            const QString path = folder_.filePath(QStringLiteral("Guide%1.english").arg(run));
            Write(path, JoinLinesCrLf(lines));
            const QByteArray bytes = Contents(path);
            ModalDriver driver;
            OpenInWindows(driver, path, bytes);
            driver.When("CampaignBox", [this, &driver, path](QWidget* w) {
                // "Save anyway?": the files of the missions read are not there.
                if (!windows_.Campaign().missions.empty())
                    driver.Answer(QMessageBox::Yes);
                driver.When("CampaignFinished", [](QWidget* w) { Click(w, "Button1"); })
                    .ChooseFile("SaveDialog1", path)
                    .Answer(QMessageBox::Yes);
                Click(w, "Button1");
            });
            Click(&windows_.StartBox(), "Button3");
            QVERIFY2(driver.Done(), qPrintable(driver.Seen().join(',')));
            QVERIFY2(Contents(path) == bytes, qPrintable(path));
        }
    }

private:
    QTemporaryDir folder_;
    AppWindows windows_;
};

QTEST_MAIN(GeneratedFilesTest)
#include "test_generated_files.moc"
