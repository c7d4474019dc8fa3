#pragma once

#include "ui/booklet/side_picture.h"

#include <QImage>
#include <QObject>
#include <QSizeF>
#include <QThread>

#include <array>
#include <atomic>
#include <memory>

namespace plicora {

// The booklet window's document, read once with Qt PDF on a thread of its own, where the pictures
// of its sheets are then drawn from the pages they show, never from a whole booklet; the last few
// pages rendered are kept for the next picture.
class SheetPreview : public QObject {
    Q_OBJECT

public:
    // The places a picture is shown in: the two sides of a sheet, and two facing pages.
    enum Slot { FrontSlot, BackSlot, SpreadSlot, SlotCount };

    // Starts reading `document` with the Qt PDF module beside the engine at `engine`.
    SheetPreview(const QString& engine, const QString& document, QObject* parent);
    ~SheetPreview() override;

    // Draws `picture` at `pixels` for `slot`; one asked for earlier there and not yet shown is
    // dropped.
    void request(Slot slot, const SidePicture& picture, QSize pixels);

Q_SIGNALS:
    // The document is read: its page count, -1 when it can't be read, and its first page's size in
    // points, empty when unknown.
    void read(int pageCount, QSizeF firstPageSize);
    // The picture last asked for `slot`.
    void drawn(int slot, const QImage& image);

private:
    struct Pages;

    QThread thread_;
    QObject* renderer_; // lives in thread_, where the document is read and drawn
    std::shared_ptr<Pages> pages_;
    // The latest request for each slot, so that the thread skips those overtaken.
    std::shared_ptr<std::array<std::atomic<quint64>, SlotCount>> latest_;
};

} // namespace plicora
