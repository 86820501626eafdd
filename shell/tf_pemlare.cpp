#include "shell/tf_pemlare.h"

TF_Pemlare::TF_Pemlare(QWidget* parent, const QString& caption, TemplateDialog* client)
    : FrameWindow(parent, caption, client) {}

TF_Pemlare::~TF_Pemlare() = default;

void TF_Pemlare::Setup() {
    FrameWindow::Setup();
}
