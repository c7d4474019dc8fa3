#pragma once

#include "core/page.h"

#include <QImage>
#include <QObject>
#include <QTemporaryDir>

class QPdfDocument;
class QPdfPageRenderer;

namespace plicora {

class BookletProcess;

// The first sheet of a booklet as it will print: the engine makes the real booklet in a
// temporary folder, and Qt PDF renders its first two pages, front and back, off the window's
// thread.
class SheetPreview : public QObject {
    Q_OBJECT

public:
    // Makes its booklets with the engine at `engine`.
    SheetPreview(const QString& engine, QObject* parent);
    ~SheetPreview() override;

    // Starts on the sheet of `document` in `mode`, each side fitted into `side` device pixels;
    // what an earlier request would have shown is dropped.
    void request(const QString& document, Mode mode, QSize side);

Q_SIGNALS:
    // The first sheet's two sides.
    void rendered(const QImage& front, const QImage& back);
    // The sheet can't be shown; `message` says why, in Italian.
    void failed(const QString& message);

private:
    void render(const QString& booklet);
    void onPageRendered(int page, const QImage& image, quint64 request);

    BookletProcess* process_;
    QTemporaryDir folder_;
    QPdfPageRenderer* renderer_; // before the document: its thread ends before the document goes
    QPdfDocument* booklet_;
    QSize side_;
    quint64 frontRequest_ = 0, backRequest_ = 0;
    QImage front_, back_;
};

} // namespace plicora
