# Campaign tree editor, campaign file writer, campaign saving.
target_sources(vornask_core PRIVATE
  src/campaign/CampaignWriter.cpp
  src/campaign/MissionName.cpp)
target_sources(vornask_ui PRIVATE
  src/campaign/CampaignBox.cpp
  src/campaign/CampaignFinished.cpp
  src/campaign/ViewCampaignSource.cpp)
