# Mission settings, the mission file writer, tech and ally encoding, saving.
target_sources(vornask_core PRIVATE
  src/mission/MissionWriter.cpp
  src/mission/SaveProcedure.cpp
  src/mission/TechAllyEncoding.cpp)
target_sources(vornask_ui PRIVATE
  src/mission/ViewSourceBox.cpp)
