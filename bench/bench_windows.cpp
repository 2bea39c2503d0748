// Creating the windows and the handlers that do real work, on the offscreen platform. Each
// handler is timed from the worst state it can meet: everything filled in or ticked.
#include "BenchSettings.h"
#include "core/campaign/CampaignCheck.h"
#include "core/campaign/CampaignWriter.h"
#include "core/mission/AdvancedAITables.h"
#include "core/mission/MissionWriter.h"
#include "core/saving/SaveProcedure.h"
#include "core/text/TextLines.h"
#include "ui/app/AppWindows.h"
#include "ui/campaign/CampaignBox.h"
#include "ui/platform/DiskFileStore.h"
#include "ui/platform/DiskMissionFolder.h"
#include "ui/platform/FileOpening.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/wizard/AdvancedAIOptions.h"
#include "ui/wizard/FifthBox.h"
#include "ui/wizard/FourthBox.h"
#include "ui/wizard/SixthBox.h"
#include "ui/wizard/ViewSourceBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

using namespace vornask;

namespace {

template <typename Control> Control* Find(QWidget& window, const char* name) {
    auto* control = window.findChild<Control*>(QLatin1String(name));
    if (!control)
        qFatal("no control %s in %s", name, qPrintable(window.objectName()));
    return control;
}

void BM_CreateAllWindows(benchmark::State& state) {
    for (auto _ : state) {
        auto windows = std::make_unique<AppWindows>();
        benchmark::DoNotOptimize(windows.get());
        state.PauseTiming();
        windows.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CreateAllWindows)->Unit(benchmark::kMillisecond);

// Every opponent enabled and every box of the players page ticked.
void TickEverything(TFourthBox& page) {
    for (QCheckBox* box : page.findChildren<QCheckBox*>())
        box->setChecked(true);
    for (QListWidget* list : page.findChildren<QListWidget*>())
        for (int row = 0; row < list->count(); ++row)
            list->item(row)->setCheckState(Qt::Checked);
}

void BM_FourthBox_ClosePrevious(benchmark::State& state) {
    AppWindows windows;
    TFourthBox& page = windows.FourthBox();
    for (auto _ : state) {
        state.PauseTiming();
        TickEverything(page);
        state.ResumeTiming();
        page.ClosePrevious();
    }
}
BENCHMARK(BM_FourthBox_ClosePrevious)->Unit(benchmark::kMicrosecond);

void BM_FifthBox_ClosePrevious(benchmark::State& state) {
    AppWindows windows;
    for (auto _ : state) {
        state.PauseTiming();
        windows.Mission().events = bench::LongestMission().events;
        state.ResumeTiming();
        windows.FifthBox().ClosePrevious();
    }
}
BENCHMARK(BM_FifthBox_ClosePrevious)->Unit(benchmark::kMicrosecond);

// The option with the most values to offer, so that loading it is the longest.
int LongestOption() {
    int longest = 0;
    for (int option = 0; option < kAdvancedOptionCount; ++option)
        if (AdvancedOptions()[option].values.size() > AdvancedOptions()[longest].values.size())
            longest = option;
    return longest;
}

// Opened for the last opponent with values stored and an option chosen, which it loads.
void BM_AdvancedAIOptions_ChangeLabel(benchmark::State& state) {
    AppWindows windows;
    windows.Mission() = bench::LongestMission();
    TAdvancedAIOptions& dialog = windows.AdvancedAIOptions();
    windows.Mission().advancedOf(kLastOpponent) = {"5", "!BUILD_DAIS;", "8", "4", "4"};
    dialog.SetEditedSide(kLastOpponent);
    Find<QListWidget>(dialog, "ListBox1")->setCurrentRow(LongestOption());
    for (auto _ : state)
        dialog.ChangeLabel();
}
BENCHMARK(BM_AdvancedAIOptions_ChangeLabel)->Unit(benchmark::kMicrosecond);

// The editor after the largest campaign: 80 missions in the tree, all to be thrown away.
void FillCampaign(AppWindows& windows, TCampaignBox& editor) {
    windows.Campaign() = bench::LargestCampaign();
    QTreeWidgetItem* mainNode = Find<QTreeWidget>(editor, "CampaignView")->topLevelItem(0);
    for (const CampaignMission& mission : windows.Campaign().missions)
        mainNode->addChild(new QTreeWidgetItem(QStringList{QString::fromStdString(mission.title)}));
    mainNode->setExpanded(true);
}

void BM_CampaignBox_SetValues_80Missions(benchmark::State& state) {
    AppWindows windows;
    TCampaignBox& editor = windows.CampaignBox();
    for (auto _ : state) {
        state.PauseTiming();
        FillCampaign(windows, editor);
        state.ResumeTiming();
        editor.SetValues();
    }
}
BENCHMARK(BM_CampaignBox_SetValues_80Missions)->Unit(benchmark::kMicrosecond);

// "Open" on a guide of state.range(0) missions, up to the campaign editor shown and drawn:
// the file read, the tree filled, the window laid out and painted once, then closed.
class DrawAndCloseTheEditor : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->objectName() == "CampaignBox") {
            auto* editor = static_cast<QWidget*>(watched);
            QMetaObject::invokeMethod(
                editor,
                [editor] {
                    benchmark::DoNotOptimize(editor->grab());
                    editor->close();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

void BM_OpenGuide(benchmark::State& state) {
    CampaignSettings guide;
    for (int k = 1; k <= state.range(0); ++k)
        guide.missions.push_back(
            {"The map number " + std::to_string(k), "map" + std::to_string(k)});
    std::vector<std::string> lines;
    BuildCampaignLines(guide, lines);
    QTemporaryDir folder;
    QFile file(folder.filePath("GuideLarge.english"));
    if (!file.open(QIODevice::WriteOnly) || !file.write(JoinLinesCrLf(lines).c_str()))
        qFatal("cannot write the guide");
    file.close();
    AppWindows windows;
    DrawAndCloseTheEditor drawer;
    qApp->installEventFilter(&drawer);
    for (auto _ : state)
        windows.OpenFile(file.fileName());
    qApp->removeEventFilter(&drawer);
}
BENCHMARK(BM_OpenGuide)->Arg(80)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

// A folder holding the 80 missions of the largest campaign, each a file of 12 KB that marks
// itself done, beside 200 other files of the game.
class CampaignFolder {
public:
    CampaignFolder() {
        MissionSettings mission = bench::LargestMission();
        QByteArray bytes;
        while (bytes.size() < 12 * 1024) {
            mission.entryBox.BackgroundStoryBox += "\r\nThe storm came back every winter.";
            MissionLines lines;
            BuildMissionLines(mission, lines);
            bytes = QByteArray::fromStdString(JoinLinesCrLf(lines));
        }
        campaign.Sequential = true;
        for (const CampaignMission& mission : campaign.missions)
            Write(QString::fromStdString(mission.name) + ".english", bytes);
        for (int k = 0; k < 200; ++k)
            Write(QStringLiteral("other%1.english").arg(k), "[Header]\r\n");
    }
    QString Path() const { return dir_.path(); }

    CampaignSettings campaign = bench::LargestCampaign();

private:
    void Write(const QString& name, const QByteArray& bytes) {
        QFile file(dir_.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
    }
    QTemporaryDir dir_;
};

// "Check" (and "Save" before the finish window): the 80 files found in one listing, read as
// missions and searched for the line that marks each done.
void BM_CheckCampaign_80MissionsOf12KB(benchmark::State& state) {
    const CampaignFolder folder;
    for (auto _ : state) {
        DiskMissionFolder disk(folder.Path());
        const std::vector<CampaignFinding> findings = CheckCampaign(folder.campaign, disk);
        if (!findings.empty())
            state.SkipWithError("the check found something");
        benchmark::DoNotOptimize(findings.data());
    }
}
BENCHMARK(BM_CheckCampaign_80MissionsOf12KB)->Unit(benchmark::kMillisecond);

// The floor: the folder listed and the same 80 files read.
void BM_Floor_Read80MissionsOf12KB(benchmark::State& state) {
    const CampaignFolder folder;
    for (auto _ : state) {
        DiskMissionFolder disk(folder.Path());
        benchmark::DoNotOptimize(disk.Names().data());
        for (const CampaignMission& mission : folder.campaign.missions)
            benchmark::DoNotOptimize(ReadFileQuietly(disk.PathOf(mission.name + ".english")));
    }
}
BENCHMARK(BM_Floor_Read80MissionsOf12KB)->Unit(benchmark::kMillisecond);

// The finish page's own work before the save dialog would open: the longest file built and
// handed to the save procedure, whose user cancels at once (and then confirms giving up).
class CancellingUser : public SaveUser {
public:
    std::optional<std::string> AskFileName() override { return std::nullopt; }
    Answer Confirm(const SaveMessage&, bool) override { return Answer::Yes; }
    void Warn(const SaveMessage&) override {}
    void ReportError(const SaveMessage&) override {}
};

void BM_SixthBox_GoToNext_WithoutDialog(benchmark::State& state) {
    const MissionSettings settings = bench::LongestMission();
    for (auto _ : state) {
        MissionLines lines;
        BuildMissionLines(settings, lines);
        CancellingUser user;
        DiskFileStore files;
        benchmark::DoNotOptimize(SaveLinesToFile(lines, true, SaveSide::Mission, user, files));
    }
}
BENCHMARK(BM_SixthBox_GoToNext_WithoutDialog)->Unit(benchmark::kMicrosecond);

// Answers every dialog as soon as it is shown, from inside its own modal loop: a file
// dialog is cancelled, a question answered "Yes".
class AnswerOnShow : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->isWindow())
                Answer(dialog);
        return false;
    }

private:
    static void Answer(QDialog* dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(dialog))
            QMetaObject::invokeMethod(box->button(QMessageBox::Yes), &QAbstractButton::click,
                                      Qt::QueuedConnection);
        else
            QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
    }
};

// A mission folder as the save dialog lists it: 20 mission files.
void FillWithMissions(const QTemporaryDir& folder) {
    for (int i = 1; i <= 20; ++i) {
        QFile file(folder.filePath(QStringLiteral("mission%1.english").arg(i)));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot prepare the folder");
    }
}

// The real handler: the longest file built, the save dialog shown (in a folder of 20
// missions) and its modal loop run until it closes; the question that follows a cancelled
// dialog is answered the same way.
void BM_SixthBox_GoToNext_DialogAnsweredAtOnce(benchmark::State& state) {
    AppWindows windows;
    windows.Mission() = bench::LongestMission();
    QTemporaryDir folder;
    FillWithMissions(folder);
    QFileDialog& saveDialog = windows.ViewSourceBox().SaveDialog1();
    saveDialog.setDirectory(folder.path());
    // Message boxes are created anew by each question: answer them application-wide.
    AnswerOnShow answerer;
    qApp->installEventFilter(&answerer);
    for (auto _ : state)
        windows.SixthBox().GoToNext();
    qApp->removeEventFilter(&answerer);
}
BENCHMARK(BM_SixthBox_GoToNext_DialogAnsweredAtOnce)->Unit(benchmark::kMicrosecond);

// The part of the above that is Qt's own: the save dialog alone, shown and answered, then
// the question alone.
void BM_SaveDialogAlone_AnsweredAtOnce(benchmark::State& state) {
    AppWindows windows;
    QFileDialog& saveDialog = windows.ViewSourceBox().SaveDialog1();
    QTemporaryDir folder;
    FillWithMissions(folder);
    saveDialog.setDirectory(folder.path());
    AnswerOnShow answerer;
    qApp->installEventFilter(&answerer);
    for (auto _ : state)
        saveDialog.exec();
    qApp->removeEventFilter(&answerer);
}
BENCHMARK(BM_SaveDialogAlone_AnsweredAtOnce)->Unit(benchmark::kMicrosecond);

void BM_QuestionAlone_AnsweredAtOnce(benchmark::State& state) {
    AppWindows windows;
    AnswerOnShow answerer;
    qApp->installEventFilter(&answerer);
    for (auto _ : state)
        AskQuestion(&windows.SixthBox(), QStringLiteral("Sure you don't want to save?"), false);
    qApp->removeEventFilter(&answerer);
}
BENCHMARK(BM_QuestionAlone_AnsweredAtOnce)->Unit(benchmark::kMicrosecond);

// The finish page's first activation in a run also builds its save dialog, which is kept
// from then on: the cost taken off start-up.
void BM_SixthBox_FirstActivation(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto windows = std::make_unique<AppWindows>();
        state.ResumeTiming();
        windows->SixthBox().ClosePrevious();
        state.PauseTiming();
        windows.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SixthBox_FirstActivation)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
