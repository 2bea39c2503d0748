# The auto-completing combo box and the spin edit of the pages.
target_sources(vornask_core PRIVATE
  src/controls/Completion.cpp
  src/controls/SpinValue.cpp)
target_sources(vornask_ui PRIVATE
  src/controls/ComboBox98.cpp
  src/controls/SingleLine.cpp
  src/controls/SpinEdit.cpp)
