// A folder of mission files in memory, for the checks: it counts how often it is listed and how
// often each file is read.
#pragma once

#include "core/campaign/CampaignCheck.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vornask::test {

class MadeUpFolder : public MissionFolder {
public:
    MadeUpFolder() = default;
    explicit MadeUpFolder(std::map<std::string, FolderFile> files) : files_(std::move(files)) {}

    void Put(const std::string& name, FolderFile file) { files_[name] = std::move(file); }
    std::vector<std::string> Names() override {
        ++listings;
        std::vector<std::string> names;
        for (const auto& entry : files_)
            names.push_back(entry.first);
        return names;
    }
    FolderFile Read(const std::string& name) override {
        ++reads[name];
        return files_.at(name);
    }

    int listings = 0;
    std::map<std::string, int> reads;

private:
    std::map<std::string, FolderFile> files_;
};

} // namespace vornask::test
