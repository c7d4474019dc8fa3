#include "ui/booklet/booklet_window.h"

#include "engine/engine_protocol.h"
#include "ui/booklet/booklet_form.h"
#include "ui/shared/file_path.h"
#include "ui/shared/ui_messages.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace plicora {

QWidget* openBookletWindow(const QString& document, Mode mode) {
    auto* window = new BookletForm(document, mode, qtPath(engine::enginePath().native()));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

bool printFromWindow(const BookletJob& job) {
    BookletForm window(qtPath(job.document), job.mode, qtPath(engine::enginePath().native()));
    window.printAs(job);
    bool printed = false;
    QObject::connect(&window, &BookletForm::printed, &window, [&printed] { printed = true; });
    window.show();
    QApplication::exec();
    return printed;
}

bool chooseBookletDocument(QWidget* parent) {
    const QString document = QFileDialog::getOpenFileName(
        parent, QString::fromUtf8(chooseTitle), QDir::homePath(), QString::fromUtf8(pdfFilter));
    if (document.isEmpty())
        return false;
    openBookletWindow(document, Mode::FourUp);
    return true;
}

} // namespace plicora
