#pragma once
// Every dialog template of the program, by resource id.

#include "resources/dialog_template.h"

namespace pemlar {

// Null when the program has no template with that id.
const DialogTemplate* findDialogTemplate(int id);

// The templates themselves, one file each; a new one is added to the list in
// dialog_templates.cpp.
extern const DialogTemplate kDialog1000;  // main dialog
extern const DialogTemplate kDialog2000;  // prompt of the read command
extern const DialogTemplate kDialog2001;  // progress notice of the read command
extern const DialogTemplate kDialog2002;  // prompt of the write command
extern const DialogTemplate kDialog2003;  // progress notice of the write command
extern const DialogTemplate kDialog2016;  // about box
extern const DialogTemplate kDialog2017;  // splash content

}  // namespace pemlar
