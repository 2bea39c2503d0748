# The wizard pages and the advanced AI options dialog.
target_sources(vornask_ui PRIVATE
  src/wizard/AdvancedAIOptions.cpp
  src/wizard/FifthBox.cpp
  src/wizard/FourthBox.cpp
  src/wizard/SecondBox.cpp
  src/wizard/SixthBox.cpp
  src/wizard/ThirdBox.cpp)
