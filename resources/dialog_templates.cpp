#include "resources/dialog_templates.h"

#include <array>

namespace pemlar {

namespace {

const std::array kTemplates = {
    &kDialog1000, &kDialog2000, &kDialog2001, &kDialog2002,
    &kDialog2003, &kDialog2016, &kDialog2017,
};

}  // namespace

const DialogTemplate* findDialogTemplate(int id) {
    for (const DialogTemplate* t : kTemplates) {
        if (t->id == id) {
            return t;
        }
    }
    return nullptr;
}

}  // namespace pemlar
