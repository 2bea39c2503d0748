#include "ui/app/AppWindows.h"

#include "core/campaign/CampaignReader.h"
#include "core/mission/MissionReader.h"
#include "core/registry/InstallFolder.h"
#include "ui/app/HelpBox.h"
#include "ui/app/StartBox.h"
#include "ui/campaign/AskTitleBox.h"
#include "ui/campaign/CampaignBox.h"
#include "ui/campaign/CampaignFinished.h"
#include "ui/campaign/ViewCampaignSource.h"
#include "ui/platform/FileOpening.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/Texts.h"
#include "ui/wizard/AdvancedAIOptions.h"
#include "ui/wizard/FifthBox.h"
#include "ui/wizard/FirstBox.h"
#include "ui/wizard/FourthBox.h"
#include "ui/wizard/SecondBox.h"
#include "ui/wizard/SixthBox.h"
#include "ui/wizard/ThirdBox.h"
#include "ui/wizard/ViewSourceBox.h"

#include <algorithm>

namespace vornask {

AppWindows::AppWindows()
    : startBox_(std::make_unique<TStartBox>(*this)), firstBox_(std::make_unique<TFirstBox>(*this)),
      secondBox_(std::make_unique<TSecondBox>(*this)),
      thirdBox_(std::make_unique<TThirdBox>(*this)), helpBox_(std::make_unique<THelpBox>()),
      fourthBox_(std::make_unique<TFourthBox>(*this)),
      advancedAIOptions_(std::make_unique<TAdvancedAIOptions>(*this)),
      fifthBox_(std::make_unique<TFifthBox>(*this)),
      campaignBox_(std::make_unique<TCampaignBox>(*this)),
      sixthBox_(std::make_unique<TSixthBox>(*this)),
      viewSourceBox_(std::make_unique<TViewSourceBox>()),
      askTitleBox_(std::make_unique<TAskTitleBox>()),
      campaignFinished_(std::make_unique<TCampaignFinished>(*this)),
      viewCampaignSource_(std::make_unique<TViewCampaignSource>()) {
    TPageFrame* const missionWindows[] = {firstBox_.get(),     secondBox_.get(), thirdBox_.get(),
                                          fourthBox_.get(),    fifthBox_.get(),  sixthBox_.get(),
                                          viewSourceBox_.get()};
    for (TPageFrame* window : missionWindows)
        window->GuardClosing([this, window] { return MayAbandonMission(*window); });
}

AppWindows::~AppWindows() = default;

int AppWindows::OpenNext(QWidget& from) {
    const std::pair<QWidget*, TPageFrame*> successors[] = {
        {firstBox_.get(), secondBox_.get()}, {secondBox_.get(), thirdBox_.get()},
        {thirdBox_.get(), fourthBox_.get()}, {fourthBox_.get(), fifthBox_.get()},
        {fifthBox_.get(), sixthBox_.get()},  {campaignBox_.get(), campaignFinished_.get()},
    };
    for (const auto& [window, next] : successors)
        if (window == &from)
            return next->OpenFromPrevious(&from);
    return QDialog::Rejected;
}

void AppWindows::CloseMissionWizard() {
    QWidget* const pages[] = {firstBox_.get(), secondBox_.get(), thirdBox_.get(), fourthBox_.get(),
                              fifthBox_.get()};
    for (QWidget* page : pages)
        page->close();
}

void AppWindows::OpenFile(const QString& path) {
    QWidget* const parent = startBox_.get();
    const std::optional<FileToOpen> file = LoadFileToOpen(parent, path);
    if (!file)
        return;
    if (file->kind == FileKind::CampaignGuide) {
        CampaignFileReading reading = ReadCampaignFile(file->bytes, file->decoding);
        if (AcceptReading(parent, path, reading.report))
            campaignBox_->OpenFromStart(&reading, path);
        return;
    }
    // Anything else is read as a mission file, which refuses what is none.
    MissionFileReading reading = ReadMissionFile(file->bytes, file->decoding);
    if (!AcceptReading(parent, path, reading.report))
        return;
    StartMission(reading.settings, path, std::move(reading.document));
    secondBox_->OpenFromPrevious();
}

void AppWindows::RunMissionWizard() {
    StartMission();
    firstBox_->OpenFromPrevious();
}

bool AppWindows::MissionHoldsTyping() const {
    const TWizardPage* const pages[] = {secondBox_.get(), thirdBox_.get(), fourthBox_.get(),
                                        fifthBox_.get(), sixthBox_.get()};
    return std::any_of(std::begin(pages), std::end(pages),
                       [](const TWizardPage* page) { return page->HoldsTyping(); }) ||
           AdvancedValuesChanged() || (viewSourceBox_->isVisible() && viewSourceBox_->Edited());
}

bool AppWindows::MayAbandonMission(QWidget& page) {
    return !MissionHoldsTyping() ||
           AskQuestion(&page, Texts::tr("Abandon this mission? What you typed is lost."), false) ==
               Answer::Yes;
}

QString AppWindows::DialogFolder() const {
    return QString::fromStdString(LocalDialogFolder(startBox_->InstallDir, startBox_->GamePrefix));
}

} // namespace vornask
