#include "shell/table_state.h"

#include "texts/text_catalogue.h"
#include "sub/sub_database.h"
#include "sub/table_contents.h"
#include "utils/message_box.h"

int saveTableState(const char* fileName) {
    if (exportTableContents(&subDatabase, fileName, ',') != 0) showInformation(textById(25624));
    return 0;
}
