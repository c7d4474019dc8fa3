#include "ui/booklet/sheet_preview.h"

#include "ui/booklet/pdf_pages.h"

#include <algorithm>
#include <list>

namespace plicora {
namespace {

// Pages kept rendered: both sides of a sheet and a spread, with room to step back.
constexpr std::size_t keptPages = 24;

struct RenderedPage {
    int page;
    QSize pixels;
    QImage image;
};

} // namespace

// The document and its rendered pages; touched on the renderer's thread only.
struct SheetPreview::Pages {
    std::unique_ptr<PdfFile> file;
    std::list<RenderedPage> kept; // the most recently used first

    QImage render(int page, QSize pixels) {
        const auto found = std::find_if(kept.begin(), kept.end(), [&](const RenderedPage& k) {
            return k.page == page && k.pixels == pixels;
        });
        if (found != kept.end()) {
            kept.splice(kept.begin(), kept, found);
            return found->image;
        }
        kept.push_front({page, pixels, file->render(page, pixels)});
        if (kept.size() > keptPages)
            kept.pop_back();
        return kept.front().image;
    }
};

SheetPreview::SheetPreview(const QString& engine, const QString& document, QObject* parent)
    : QObject(parent), renderer_(new QObject), pages_(std::make_shared<Pages>()),
      latest_(std::make_shared<std::array<std::atomic<quint64>, SlotCount>>()) {
    renderer_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, renderer_, &QObject::deleteLater);
    thread_.start();
    QMetaObject::invokeMethod(
        renderer_,
        [this, pages = pages_, engine, document] {
            pages->file = std::make_unique<PdfFile>(engine, document);
            const int count = pages->file->pageCount();
            const QSizeF first = pages->file->pageSize(0);
            QMetaObject::invokeMethod(
                this, [this, count, first] { Q_EMIT read(count, first); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

// The document is let go on the thread that read it, and the thread stops before the window.
SheetPreview::~SheetPreview() {
    QMetaObject::invokeMethod(
        renderer_, [pages = pages_] { pages->file.reset(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

void SheetPreview::request(Slot slot, const SidePicture& picture, QSize pixels) {
    const quint64 number = ++(*latest_)[slot];
    QMetaObject::invokeMethod(
        renderer_,
        [this, pages = pages_, latest = latest_, slot, picture, pixels, number] {
            if ((*latest)[slot] != number || !pages->file->isRead())
                return; // overtaken by a later request, or nothing to draw from
            const QImage image = drawPicture(
                picture, pixels, [&](int page) { return pages->file->pageSize(page); },
                [&](int page, QSize size) { return pages->render(page, size); });
            QMetaObject::invokeMethod(
                this,
                [this, latest, slot, image, number] {
                    if ((*latest)[slot] == number)
                        Q_EMIT drawn(slot, image);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

} // namespace plicora
