#include "sheet_preview.h"

#include "booklet_process.h"
#include "ui_messages.h"

#include <QFile>
#include <QPdfDocument>
#include <QPdfPageRenderer>

namespace plicora {

SheetPreview::SheetPreview(const QString& engine, QObject* parent)
    : QObject(parent), process_(new BookletProcess(engine, this)),
      renderer_(new QPdfPageRenderer(this)), booklet_(new QPdfDocument(this)) {
    renderer_->setRenderMode(QPdfPageRenderer::RenderMode::MultiThreaded);
    renderer_->setDocument(booklet_);
    connect(process_, &BookletProcess::succeeded, this,
            [this](const QStringList& paths) { render(paths.value(0)); });
    connect(process_, &BookletProcess::failed, this, &SheetPreview::failed);
    connect(renderer_, &QPdfPageRenderer::pageRendered, this,
            [this](int page, QSize, const QImage& image, QPdfDocumentRenderOptions,
                   quint64 request) { onPageRendered(page, image, request); });
}

// The engine stops before its temporary folder goes.
SheetPreview::~SheetPreview() {
    process_->cancel();
}

void SheetPreview::request(const QString& document, Mode mode, QSize side) {
    frontRequest_ = backRequest_ = 0;
    front_ = back_ = QImage();
    side_ = side;
    booklet_->close();
    if (!folder_.isValid()) {
        Q_EMIT failed(QString::fromUtf8(previewFolderMessage));
        return;
    }
    process_->start(
        {.mode = mode,
         .document = QFile::encodeName(document).toStdString(),
         .output =
             QFile::encodeName(folder_.filePath(QStringLiteral("anteprima.pdf"))).toStdString()});
}

void SheetPreview::render(const QString& booklet) {
    if (booklet_->load(booklet) != QPdfDocument::Error::None || booklet_->pageCount() < 2) {
        Q_EMIT failed(QString::fromUtf8(previewUnreadableMessage));
        return;
    }
    const QSize size = booklet_->pagePointSize(0).scaled(side_, Qt::KeepAspectRatio).toSize();
    frontRequest_ = renderer_->requestPage(0, size);
    backRequest_ = renderer_->requestPage(1, size);
}

void SheetPreview::onPageRendered(int page, const QImage& image, quint64 request) {
    if (request != (page == 0 ? frontRequest_ : backRequest_))
        return; // a side of a sheet asked for before the last request
    (page == 0 ? front_ : back_) = image;
    if (!front_.isNull() && !back_.isNull())
        Q_EMIT rendered(front_, back_);
}

} // namespace plicora
