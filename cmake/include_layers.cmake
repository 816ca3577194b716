# The layers of src/, lowest first: every include of a project header runs
# downward in this order. Folders of one layer may include each other; a
# file directly in src/ (main and the start-up) stands in the layer "main".
# The README's Layout section lists the same order.
set(KELM_LAYERS
    "platform"
    "texts"
    "utils"
    "link"
    "sub"
    "toolkit"
    "commands"
    "alarms menus mml"
    "shell"
    "monitoring main")
