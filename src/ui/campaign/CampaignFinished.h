#pragma once

#include "core/campaign/CampaignWriter.h"
#include "core/saving/SaveProcedure.h"
#include "core/text/TextDocument.h"
#include "ui/pages/PageFrame.h"
#include "ui/platform/FileDialogs.h"

class QCheckBox;

namespace vornask {

class WindowOwner;

} // namespace vornask

// The campaign finish window: the saving options, then the guide file is written, either at
// once or after editing in the campaign source window. Closing it ends the campaign.
class TCampaignFinished : public TPageFrame {
    Q_OBJECT
public:
    explicit TCampaignFinished(vornask::WindowOwner& windows);

    void ClosePrevious();
    void SaveCampaign();
    void CloseCampaign();
    vornask::SaveResult SaveCampaignFile();

protected:
    void Activated() override { ClosePrevious(); }
    void OkPressed() override { SaveCampaign(); }
    void done(int result) override;

private:
    vornask::WindowOwner& windows_;
    // A new campaign as the writer writes it; an opened guide with the values changed in it.
    vornask::TextDocument CampaignFileToSave() const;

    // The guide file; new each time the window is shown.
    vornask::TextDocument fileToSave_;
    QCheckBox* duplicate_;
    // "Duplicate" as the user last set it, for new campaigns.
    bool chosenDuplicate_ = true;
    QCheckBox* viewSource_;
    vornask::KeptFileDialog saveDialog1_;
};
