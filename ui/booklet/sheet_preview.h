#pragma once

#include "core/booklet_job.h"

#include <QImage>
#include <QObject>
#include <QTemporaryDir>
#include <QThread>

namespace plicora {

class BookletProcess;

// The first sheet of a booklet as it will print: the engine makes the real booklet in a
// temporary folder, and Qt PDF reads and renders its first two pages, front and back, on a
// thread of its own.
class SheetPreview : public QObject {
    Q_OBJECT

public:
    // Makes its booklets with the engine at `engine`.
    SheetPreview(const QString& engine, QObject* parent);
    ~SheetPreview() override;

    // Starts on the first sheet of `job`'s booklet, made as one file, each side fitted into `side`
    // device pixels; what an earlier request would have shown is dropped.
    void request(BookletJob job, QSize side);

Q_SIGNALS:
    // The first sheet's two sides.
    void rendered(const QImage& front, const QImage& back);
    // The sheet can't be shown; `message` says why, in Italian.
    void failed(const QString& message);

private:
    void render(const QString& booklet);
    void onRendered(quint64 request, const QList<QImage>& sides);

    QString engine_; // its folder holds Qt PDF's module too
    BookletProcess* process_;
    QTemporaryDir folder_;
    QThread thread_;
    QObject* renderer_; // lives in thread_, where the rendering runs
    QSize side_;
    quint64 request_ = 0; // counts the requests, so that a late sheet is known
};

} // namespace plicora
