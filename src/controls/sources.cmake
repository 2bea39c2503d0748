# The auto-completing combo box.
