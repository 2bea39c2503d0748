# vornask_core: the pure logic in plain C++, no Qt. A folder for each part: the mission's
# settings, writer, reader and tables; the campaign's; 8-bit text, reading files and the
# controls' rules; checking files as the game reads them; the save procedure's decisions;
# finding the game through the Wine registry.
target_sources(vornask_core PRIVATE
  src/core/campaign/CampaignCheck.cpp
  src/core/campaign/CampaignDocument.cpp
  src/core/campaign/CampaignReader.cpp
  src/core/campaign/CampaignWriter.cpp
  src/core/campaign/MissionName.cpp
  src/core/check/CommandLines.cpp
  src/core/check/FileCheck.cpp
  src/core/check/GameVocabulary.cpp
  src/core/mission/AdvancedAITables.cpp
  src/core/mission/EventSlots.cpp
  src/core/mission/HeaderKeys.cpp
  src/core/mission/MissionDocument.cpp
  src/core/mission/MissionReader.cpp
  src/core/mission/MissionWriter.cpp
  src/core/mission/TechAllyEncoding.cpp
  src/core/registry/InstallFolder.cpp
  src/core/registry/PrefixSearch.cpp
  src/core/registry/WinePrefix.cpp
  src/core/registry/WineRegistry.cpp
  src/core/registry/WindowsNames.cpp
  src/core/saving/FileBounds.cpp
  src/core/saving/SaveProcedure.cpp
  src/core/text/Completion.cpp
  src/core/text/FileKind.cpp
  src/core/text/FileText.cpp
  src/core/text/LostCharacters.cpp
  src/core/text/Markup.cpp
  src/core/text/SpinValue.cpp
  src/core/text/TextDocument.cpp
  src/core/text/TextLines.cpp
  src/core/text/Utf8.cpp
  src/core/text/Windows1252.cpp)
