#pragma once

#include "core/booklet_job.h"
#include "core/page.h"

#include <QGroupBox>
#include <QSizeF>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace plicora {

// The booklet window's choices of the sheet and the binding: the paper, with a field for a
// custom size, opening from the right, and the back cover kept last; with a note on what the
// document's pages become in their cells.
class SheetChoices : public QGroupBox {
    Q_OBJECT

public:
    explicit SheetChoices(QWidget* parent);

    // The document's first page is `pageSize` points (empty: unknown).
    void setPageSize(QSizeF pageSize);
    // The paper chosen; nothing while the custom size is refused.
    std::optional<Paper> paper() const;
    // The size of a four-up booklet's pages on the paper chosen, as the window names it ("A5",
    // "mezza Letter", "148×210 mm"); empty while the custom size is refused.
    QString fourUpPageName() const;

    // Shows `paper` instead of the locale's, unless the user has chosen one already.
    void startOn(const Paper& paper);
    // Takes `job`'s paper and binding as the choices.
    void choose(const BookletJob& job);
    // `job` with the choices put into it; only when refusedField() is null.
    BookletJob applied(BookletJob job) const;
    // The field holding what the engine can't take, told under it; null when there is none.
    QWidget* refusedField() const;
    // The controls in the order the keyboard meets them.
    QList<QWidget*> focusOrder() const;
    // Says in one line how the document's pages are scaled into the cells of `mode`, or nothing
    // when they keep their size or it is unknown.
    void showPageNote(Mode mode);

Q_SIGNALS:
    // A choice or the custom size changed.
    void changed();

private:
    void onChanged();
    void showPaper(const Paper& paper);

    QSizeF pageSize_;
    bool paperChosen_ = false; // by the user, or for them
    QComboBox* paper_;
    QLineEdit* customSize_;
    QLabel* refused_;
    QCheckBox* rightToLeft_;
    QCheckBox* backCoverLast_;
    QLabel* note_;
};

} // namespace plicora
