// The folder on the disk that a campaign's missions are looked for in.
#pragma once

#include "core/campaign/CampaignCheck.h"

#include <QString>

namespace vornask {

class DiskMissionFolder : public MissionFolder {
public:
    explicit DiskMissionFolder(const QString& folder) : folder_(folder) {}
    std::vector<std::string> Names() override;
    FolderFile Read(const std::string& name) override;
    // The full path of `name` in the folder.
    QString PathOf(const std::string& name) const;

private:
    QString folder_;
};

} // namespace vornask
