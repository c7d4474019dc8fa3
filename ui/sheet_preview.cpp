#include "sheet_preview.h"

#include "booklet_process.h"
#include "ui_messages.h"

#include <QFile>
#include <QPdfDocument>

namespace plicora {
namespace {

// The first two pages of the PDF at `path`, each fitted into `side`; none when it can't be read.
std::pair<QImage, QImage> firstSheet(const QString& path, QSize side) {
    QPdfDocument booklet(nullptr);
    if (booklet.load(path) != QPdfDocument::Error::None || booklet.pageCount() < 2)
        return {};
    const QSize size = booklet.pagePointSize(0).scaled(side, Qt::KeepAspectRatio).toSize();
    return {booklet.render(0, size), booklet.render(1, size)};
}

} // namespace

SheetPreview::SheetPreview(const QString& engine, QObject* parent)
    : QObject(parent), process_(new BookletProcess(engine, this)), renderer_(new QObject) {
    renderer_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, renderer_, &QObject::deleteLater);
    thread_.start();
    connect(process_, &BookletProcess::succeeded, this,
            [this](const QStringList& paths) { render(paths.value(0)); });
    connect(process_, &BookletProcess::failed, this, &SheetPreview::failed);
}

// The engine stops before its temporary folder goes, and the thread before the window.
SheetPreview::~SheetPreview() {
    process_->cancel();
    thread_.quit();
    thread_.wait();
}

void SheetPreview::request(const QString& document, Mode mode, QSize side) {
    ++request_;
    if (!folder_.isValid()) {
        Q_EMIT failed(QString::fromUtf8(previewFolderMessage));
        return;
    }
    // Each request its own file: the thread may still be reading the one before.
    const QString booklet = folder_.filePath(QStringLiteral("anteprima-%1.pdf").arg(request_));
    process_->start({.mode = mode,
                     .document = QFile::encodeName(document).toStdString(),
                     .output = QFile::encodeName(booklet).toStdString()});
    side_ = side;
}

void SheetPreview::render(const QString& booklet) {
    QMetaObject::invokeMethod(
        renderer_,
        [this, booklet, side = side_, request = request_] {
            const auto [front, back] = firstSheet(booklet, side);
            QFile::remove(booklet);
            QMetaObject::invokeMethod(
                this, [=, this] { onRendered(request, front, back); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void SheetPreview::onRendered(quint64 request, const QImage& front, const QImage& back) {
    if (request != request_)
        return; // a sheet asked for before the last request
    if (front.isNull() || back.isNull())
        Q_EMIT failed(QString::fromUtf8(previewUnreadableMessage));
    else
        Q_EMIT rendered(front, back);
}

} // namespace plicora
