// How long the windows take to show a file of one hostile shape, opened as "Open" opens it: the
// figures behind the bounds on what a file may hold (docs/DEVELOPING.md). Run it on a real X
// server, where laying out text costs what it costs the user, and wrap it in /usr/bin/time for
// the peak memory:
//
//     xvfb-run -a /usr/bin/time -f %M build/tools/open_timing story-line 262144
//
// Shapes: title, story-line (one story line without spaces), story-lines (that many lines),
// story-long-lines (that many lines of the longest value, without spaces),
// event-line, intro-blank-lines (a guide), mission-lines (a file of that many short lines after
// its [END]). Each window of the wizard is shown and painted in turn, the source view last; a
// window that never comes (the file refused) ends the run with the message shown.
#include "core/campaign/CampaignWriter.h"
#include "core/mission/MissionWriter.h"
#include "core/text/FileText.h"
#include "core/text/TextLines.h"
#include "ui/app/AppWindows.h"
#include "ui/app/StartBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <string>

using namespace vornask;

namespace {

std::string Lines(std::size_t count, std::string_view line) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text.append(i ? "\r\n" : "").append(line);
    return text;
}

// The file of `shape` at `size`, and whether it is a guide.
std::pair<std::string, bool> FileOf(const std::string& shape, std::size_t size) {
    if (shape == "intro-blank-lines") {
        CampaignSettings campaign;
        campaign.CampaignText.assign(size, std::string());
        std::vector<std::string> lines;
        BuildCampaignLines(campaign, lines);
        return {JoinLinesCrLf(lines), true};
    }
    MissionSettings mission;
    if (shape == "title")
        mission.general.title.assign(size, 't');
    else if (shape == "story-line")
        mission.entryBox.BackgroundStoryBox.assign(size, 's');
    else if (shape == "story-lines")
        mission.entryBox.BackgroundStoryBox = Lines(size, "A line of the story.");
    else if (shape == "story-long-lines")
        mission.entryBox.BackgroundStoryBox = Lines(size, std::string(kMaxValueBytes, 's'));
    else if (shape == "event-line")
        mission.events.Succeeded.text.assign(size, 'e');
    MissionLines lines;
    BuildMissionLines(mission, lines);
    std::string bytes = JoinLinesCrLf(lines);
    if (shape == "mission-lines")
        bytes += Lines(size, "; a note") + "\r\n";
    return {bytes, false};
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: open_timing SHAPE SIZE\n", stderr);
        return 2;
    }
    const auto [bytes, guide] = FileOf(argv[1], std::stoul(argv[2]));
    QTemporaryDir folder;
    const QString path = folder.filePath(guide ? "GuideTiming.english" : "Timing.english");
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
    std::printf("%s %s: %zu bytes\n", argv[1], argv[2], bytes.size());

    AppWindows windows;
    windows.StartBox().show();
    QElapsedTimer timer;
    const auto shown = [&timer](QWidget* w) {
        w->repaint();
        std::printf("  %-18s %6lld ms\n", qPrintable(w->objectName()), timer.restart());
        std::fflush(stdout);
    };
    const auto press = [](QWidget* w, const char* button) {
        w->findChild<QPushButton*>(QLatin1String(button))->click();
    };
    // Each window's OK, and the box to tick first.
    const std::map<QString, std::pair<const char*, const char*>> steps = {
        {"SecondBox", {"Button1", nullptr}},
        {"ThirdBox", {"Button1", nullptr}},
        {"FourthBox", {"Button2", nullptr}},
        {"FifthBox", {"Button1", nullptr}},
        {"SixthBox", {"Button1", "EditSourceCheck"}},
        {"CampaignBox", {"Button1", nullptr}},
        {"CampaignFinished", {"Button1", "ViewSource"}},
    };
    QWidget* handled = nullptr;
    std::set<QString> met;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal == handled)
            return;
        handled = modal;
        QTimer::singleShot(0, modal, [&, modal] {
            handled = nullptr;
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                std::printf("  message: %s\n", qPrintable(box->text().left(300)));
                QAbstractButton* yes = box->button(QMessageBox::Yes);
                (yes ? yes : box->button(QMessageBox::Ok))->click();
                return;
            }
            // A window met again is one the run has passed: it is over.
            if (!met.insert(modal->objectName()).second) {
                modal->close();
                return;
            }
            shown(modal);
            const auto step = steps.find(modal->objectName());
            if (step == steps.end()) {
                modal->close();
                return;
            }
            if (const char* tick = step->second.second)
                modal->findChild<QCheckBox*>(QLatin1String(tick))->setChecked(true);
            press(modal, step->second.first);
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->objectName() == "ViewCampaignSource" && top->isVisible()) {
                    shown(top);
                    top->close();
                    modal->close();
                }
        });
    });
    poll.start(5);
    timer.start();
    windows.OpenFile(path);
    return 0;
}
