# The wizard pages and the advanced AI options dialog, over the rules they share.
target_sources(vornask_core PRIVATE
  src/wizard/AdvancedAITables.cpp
  src/wizard/EventSlots.cpp)
target_sources(vornask_ui PRIVATE
  src/wizard/AdvancedAIOptions.cpp
  src/wizard/FifthBox.cpp
  src/wizard/FourthBox.cpp
  src/wizard/FourthBoxTabs.cpp
  src/wizard/SecondBox.cpp
  src/wizard/SixthBox.cpp
  src/wizard/ThirdBox.cpp)
