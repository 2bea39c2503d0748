#include "ModalDriver.h"
#include "ui/app/AppWindows.h"
#include "ui/app/HelpBox.h"
#include "ui/app/StartBox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <thread>

using namespace vornask;
using namespace vornask::test;
namespace fs = std::filesystem;

namespace {

const QString kErrorBox = QStringLiteral("MessageBox:%1:").arg(int(QMessageBox::Critical));
const QString kNotice = QStringLiteral("Unable to load help.txt - please place it in the same \n"
                                       "directory as the executable.");

void WriteFile(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string RegistryWith(std::string_view installDirLine) {
    return "WINE REGISTRY Version 2\n"
           ";; All keys relative to \\\\Machine\n"
           "\n"
           "[Software\\\\Wow6432Node\\\\Titanic Entertainment\\\\NetStorm] 1700000000\n"
           "#time=1da0b0c0d0e0f00\n" +
           std::string(installDirLine) + "\n";
}

// Counts the paint events a widget receives.
class PaintCount : public QObject {
public:
    explicit PaintCount(QWidget& widget) { widget.installEventFilter(this); }
    std::atomic<int> count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

QString HelpFilePath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help.txt"));
}

void RemoveHelpFile() {
    std::error_code error;
    fs::remove_all(HelpFilePath().toStdString(), error);
}

} // namespace

class StartTest : public QObject {
    Q_OBJECT
    QTemporaryDir prefix_;
    std::unique_ptr<AppWindows> windows_;

    fs::path Prefix() const { return prefix_.path().toStdString(); }

    // The program as it starts in a Wine prefix holding `systemReg` (none when empty).
    TStartBox& Start(std::string_view systemReg) {
        fs::remove(Prefix() / "system.reg");
        if (!systemReg.empty())
            WriteFile(Prefix() / "system.reg", systemReg);
        windows_ = std::make_unique<AppWindows>();
        windows_->StartBox().show();
        return windows_->StartBox();
    }

    // Gives the start window time for anything it would still do, e.g. show a message.
    static void Settle() { QTest::qWait(100); }

    // Presses "Help" and returns what the help window showed.
    QString ShowHelp(ModalDriver& driver) {
        QString shown;
        driver.When("HelpBox", [&shown](QWidget* w) {
            shown = w->findChild<QPlainTextEdit*>("HelpBox")->toPlainText();
            Click(w, QString());
        });
        Click(&windows_->StartBox(), "Button4");
        return shown;
    }

private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        qputenv("WINEPREFIX", prefix_.path().toUtf8());
        RemoveHelpFile();
    }

    void cleanup() {
        windows_.reset();
        RemoveHelpFile();
    }

    void theInstallDirIsReadAtStartUp() {
        fs::create_directories(Prefix() / "drive_c" / "Games" / "NetStorm");
        fs::create_directories(Prefix() / "dosdevices");
        fs::create_directory_symlink("../drive_c", Prefix() / "dosdevices" / "c:");
        ModalDriver unexpected;
        unexpected.Answer(QMessageBox::Ok);

        TStartBox& start = Start(RegistryWith("\"InstallDir\"=\"C:\\\\games\\\\NetStorm\""));
        QTRY_COMPARE(start.InstallDir, std::string("C:\\games\\NetStorm"));
        // The registry's text is kept as it is; the dialogs get the local folder.
        QCOMPARE(windows_->DialogFolder(),
                 QString::fromStdString(fs::canonical(Prefix() / "drive_c").string()) +
                     "/Games/NetStorm/D/");
        Settle();
        QVERIFY(unexpected.Seen().isEmpty());
        fs::remove_all(Prefix() / "dosdevices");
    }

    void withoutTheKeyTheProgramStartsQuietly() {
        ModalDriver unexpected;
        unexpected.Answer(QMessageBox::Ok);
        TStartBox& start = Start("");
        Settle();
        QVERIFY(unexpected.Seen().isEmpty());
        QCOMPARE(start.InstallDir, std::string());
        QCOMPARE(windows_->DialogFolder(), QStringLiteral("D/"));

        Start(RegistryWith("\"Version\"=\"1.0\""));
        Settle();
        QVERIFY(unexpected.Seen().isEmpty());
        QCOMPARE(windows_->StartBox().InstallDir, std::string());
    }

    void aValueOfTheWrongTypeIsReportedOnce() {
        ModalDriver driver;
        driver.Answer(QMessageBox::Ok).Answer(QMessageBox::Ok); // the second must stay unused
        TStartBox& start = Start(RegistryWith("\"InstallDir\"=dword:00000001"));
        QTRY_COMPARE(driver.Seen().size(), 1);
        QVERIFY(driver.Seen().first().startsWith(kErrorBox));
        QVERIFY(driver.Seen().first().contains("InstallDir"));
        Settle();
        QCOMPARE(driver.Seen().size(), 1);
        QCOMPARE(start.InstallDir, std::string());

        // Coming back from a window over it reads nothing again.
        WriteFile(Prefix() / "system.reg", RegistryWith("\"InstallDir\"=\"C:\\\\Later\""));
        ModalDriver help;
        ShowHelp(help);
        QVERIFY(help.Done());
        Settle();
        QCOMPARE(start.InstallDir, std::string());
        QCOMPARE(driver.Seen().size(), 1);
        QVERIFY(start.isVisible());
    }

    void theStartWindowPaintsAndAnswersWhileTheSearchRuns() {
        // A search that lasts until the test ends it, or 10 s should the window wait for it.
        std::promise<void> end;
        std::shared_future<void> ended = end.get_future().share();
        std::atomic<bool> searching = false;
        std::atomic<bool> searched = false;
        windows_ = std::make_unique<AppWindows>();
        TStartBox& start = windows_->StartBox();
        start.GameSearch().SetReader([&](const SearchStart&, std::stop_token) {
            searching = true;
            ended.wait_for(std::chrono::seconds(10));
            searched = true;
            return InstallDirLookup::Found("C:\\Slow");
        });
        PaintCount painted(start);
        start.show();
        QTRY_VERIFY(searching);
        QTRY_VERIFY(painted.count > 0);
        // Keys and clicks are answered meanwhile: the help window opens and closes.
        ModalDriver driver;
        QCOMPARE(ShowHelp(driver), kNotice);
        QVERIFY(driver.Done());
        QVERIFY2(!searched, "the window waited for the search");

        end.set_value();
        QTRY_COMPARE(start.InstallDir, std::string("C:\\Slow"));
    }

    void theDialogsFolderWaitsForTheSearchAndQuittingStopsIt() {
        windows_ = std::make_unique<AppWindows>();
        windows_->StartBox().GameSearch().SetReader([](const SearchStart&, std::stop_token) {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            return InstallDirLookup::Found("C:\\Late");
        });
        windows_->StartBox().show();
        QTest::qWait(1);
        QCOMPARE(windows_->DialogFolder(), QStringLiteral("C:\\Late\\D\\"));

        // A search still running is asked to stop when the program ends, and the program does
        // not wait for it to end by itself.
        std::atomic<bool> stopped = false;
        windows_ = std::make_unique<AppWindows>();
        windows_->StartBox().GameSearch().SetReader([&](const SearchStart&, std::stop_token stop) {
            for (int k = 0; k < 1000 && !stop.stop_requested(); ++k)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            stopped = stop.stop_requested();
            return InstallDirLookup{};
        });
        windows_->StartBox().show();
        QTest::qWait(50);
        QElapsedTimer timer;
        timer.start();
        windows_.reset();
        QVERIFY(stopped);
        QVERIFY2(timer.elapsed() < 5'000, "the program waited for the whole search");
    }

    void helpLoadsAndReloadsTheFileBesideTheProgram() {
        Start("");
        ModalDriver driver;
        QCOMPARE(ShowHelp(driver), kNotice);

        WriteFile(HelpFilePath().toStdString(), "Caf\xE9 help\r\nsecond line\r\n");
        QCOMPARE(ShowHelp(driver), QStringLiteral("Caf\u00e9 help\nsecond line"));
        WriteFile(HelpFilePath().toStdString(), "Edited help\n");
        QCOMPARE(ShowHelp(driver), QStringLiteral("Edited help"));
        // Once the file is gone the last text stays.
        RemoveHelpFile();
        QCOMPARE(ShowHelp(driver), QStringLiteral("Edited help"));
        QVERIFY(driver.Done());
    }

    void anUnreadableHelpFileIsReportedAndTheOldTextStays() {
        Start("");
        ModalDriver driver;
        fs::create_directory(HelpFilePath().toStdString());
        driver.Answer(QMessageBox::Ok);
        QCOMPARE(ShowHelp(driver), kNotice);
        QVERIFY(driver.Done());
        QVERIFY(driver.Seen().first().startsWith(kErrorBox));
        QVERIFY(driver.Seen().first().contains("help.txt"));
    }

    void theButtonsStandInOneColumnAndQuitCloses() {
        TStartBox& start = Start("");
        QCOMPARE(start.size(), QSize(259, 323));
        int previousBottom = 0;
        for (const char* name : {"Button5", "Button1", "Button3", "Button4", "Button2"}) {
            auto* button = start.findChild<QPushButton*>(name);
            QVERIFY2(button, name);
            QCOMPARE(button->size(), QSize(97, 25));
            QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
            const QRect place(button->mapTo(&start, QPoint()), button->size());
            QVERIFY2(place.top() > previousBottom && start.rect().contains(place), name);
            previousBottom = place.bottom();
        }
        Click(&start, "Button2");
        QVERIFY(!start.isVisible());
    }
};

QTEST_MAIN(StartTest)
#include "test_start.moc"
