#include "shell/ta_pemlare.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>

#include "framework/qt/art_loader.h"
#include "framework/qt/strings.h"
#include "framework/resource_ids.h"
#include "link/scom.h"
#include "shell/td_infoueber.h"
#include "shell/tf_pemlare.h"
#include "ui/td_pemlare.h"

namespace pemlar {

namespace {

constexpr qsizetype kCaptionMaxChars = 99;

}  // namespace

std::int32_t initialPort(scom& com) {
    for (std::int32_t n = 1; n <= 4; ++n) {
        if (com.probe(n)) {
            return n;
        }
    }
    return 1;
}

TA_Pemlare::TA_Pemlare(int& argc, char** argv, PortResolver resolver)
    : QApplication(argc, argv),
      devices_(resolver),
      com_(std::make_unique<scom>(1, std::move(resolver))) {
    com_->setPort(initialPort(*com_));
    // Ties the windows to the installed menu entry (Wayland app id, X11 startup notice).
    setDesktopFileName(QStringLiteral("de.nirvel.Pemlar"));
    // A write before any read still sends a well-formed page.
    setDefaults(storedImage_);
    updateChecksums(storedImage_);
    // The platform's own buttons and file dialogs (Ja, Nein, Abbrechen) in German, as
    // everything else, whatever the locale says (LANG=C would give English ones).
    if (qtTexts_.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installTranslator(&qtTexts_);
    }
}

TA_Pemlare::~TA_Pemlare() {
    com_.reset();
    mainWindow_.reset();
}

void TA_Pemlare::InitMainWindow() {
    const QString caption = loadString(kProgramTitleString).left(kCaptionMaxChars);
    auto dialog = std::make_unique<TD_Pemlare>();
    mainWindow_ = std::make_unique<TF_Pemlare>(nullptr, caption, dialog.release());
    const QIcon icon = loadIcon(kProgramIcon);
    if (!icon.isNull()) {
        mainWindow_->setWindowIcon(icon);
    }
    connect(mainWindow_.get(), &FrameWindow::closed, this, [] { QCoreApplication::exit(0); });
}

int TA_Pemlare::Run() {
    InitMainWindow();
    mainWindow_->createWindow();
    mainWindow_->show();
    return exec();
}

void TA_Pemlare::RunAboutBox(QWidget* owner) {
    // Owned by `owner` while it runs; the guard covers an owner that goes first.
    QPointer<TD_InfoUeber> box =
        new TD_InfoUeber(owner, kAboutDialog, kNameBitmap, kVersionString, true);
    box->runModal();
    delete box.data();
}

}  // namespace pemlar
