#include "ui/booklet/sheet_choices.h"

#include "core/paper.h"
#include "core/printer_paper.h"
#include "ui/accessibility.h"
#include "ui/shared/ui_messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include <langinfo.h>

namespace plicora {
namespace {

constexpr const char* customText = "Su misura";
constexpr const char* refusedText =
    "Carta su misura: LARGHEZZAxALTEZZA in millimetri interi, da %1 a %2 per lato, come 320x450";

// The named papers whose half has a name of its own.
constexpr std::pair<std::string_view, std::string_view> halfPapers[] = {
    {"A3", "A4"}, {"A4", "A5"}, {"A5", "A6"}, {"tabloid", "letter"}};

// A paper's name as the window shows it: the command line's, capitalised.
QString shownName(std::string_view name) {
    QString text = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    text[0] = text[0].toUpper();
    return text;
}

// The paper the user's locale names (LC_PAPER, as glibc tells it in millimetres), else A4.
QString localePaperName() {
    const auto millimetres = [](nl_item item) {
        return static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(item)));
    };
    const Paper paper = localePaper(millimetres(_NL_PAPER_WIDTH), millimetres(_NL_PAPER_HEIGHT));
    return shownName(namedPaper(paper)->name);
}

} // namespace

SheetChoices::SheetChoices(QWidget* parent)
    : QGroupBox(QString::fromUtf8(sheetChoicesTitle), parent), paper_(new QComboBox(this)),
      customSize_(new QLineEdit(this)), refused_(new QLabel(this)),
      rightToLeft_(new QCheckBox(QString::fromUtf8(rightToLeftText), this)),
      backCoverLast_(new QCheckBox(QString::fromUtf8(backCoverLastText), this)),
      note_(new QLabel(this)) {
    setObjectName(QStringLiteral("CartaRilegatura"));
    paper_->setObjectName(QStringLiteral("Carta"));
    customSize_->setObjectName(QStringLiteral("CartaSuMisura"));
    refused_->setObjectName(QStringLiteral("ErroreCarta"));
    rightToLeft_->setObjectName(QStringLiteral("DaDestra"));
    backCoverLast_->setObjectName(QStringLiteral("QuartaDiCopertina"));
    note_->setObjectName(QStringLiteral("NotaPagine"));

    for (const NamedPaper& named : namedPapers)
        paper_->addItem(shownName(named.name));
    paper_->addItem(QString::fromUtf8(customText));
    paper_->setCurrentText(localePaperName());
    auto* paperLabel = new QLabel(QString::fromUtf8(paperLabelText), this);
    paperLabel->setObjectName(QStringLiteral("CartaDi"));
    paperLabel->setBuddy(paper_);
    customSize_->setPlaceholderText(QString::fromUtf8(customSizePlaceholder));
    customSize_->setAccessibleName(QString::fromUtf8(customSizeName));
    auto* millimetres = new QLabel(QString::fromUtf8(millimetresLabelText), this);
    millimetres->setBuddy(customSize_);
    millimetres->setObjectName(QStringLiteral("MillimetriCarta"));
    setAccessibleRole(refused_, QAccessible::AlertMessage);
    for (QLabel* label : {refused_, note_}) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->hide();
    }

    auto* layout = new QGridLayout(this);
    layout->addWidget(paperLabel, 0, 0);
    layout->addWidget(paper_, 0, 1);
    layout->addWidget(customSize_, 0, 2);
    layout->addWidget(millimetres, 0, 3);
    layout->addWidget(refused_, 1, 0, 1, 4);
    layout->addWidget(rightToLeft_, 2, 0, 1, 4);
    layout->addWidget(backCoverLast_, 3, 0, 1, 4);
    layout->addWidget(note_, 4, 0, 1, 4);
    layout->setColumnStretch(3, 1);

    connect(paper_, &QComboBox::currentIndexChanged, this, &SheetChoices::onChanged);
    connect(paper_, &QComboBox::activated, this, [this] { paperChosen_ = true; });
    connect(customSize_, &QLineEdit::textChanged, this, &SheetChoices::onChanged);
    for (QCheckBox* box : {rightToLeft_, backCoverLast_})
        connect(box, &QCheckBox::toggled, this, &SheetChoices::changed);
    onChanged();
}

void SheetChoices::setPageSize(QSizeF pageSize) {
    pageSize_ = pageSize;
}

std::optional<Paper> SheetChoices::paper() const {
    const int index = paper_->currentIndex();
    if (index < static_cast<int>(std::size(namedPapers)))
        return namedPapers[index].paper;
    return readPaper(customSize_->text().trimmed().toStdString());
}

QString SheetChoices::fourUpPageName() const {
    const std::optional<Paper> paper = this->paper();
    if (!paper)
        return {};
    if (const auto named = namedPaper(*paper)) {
        // Half of an A paper is the next one; half of a tabloid is a letter.
        for (const auto& [whole, half] : halfPapers)
            if (named->name == whole)
                return shownName(half);
        return QString::fromUtf8(halfPaperText).arg(shownName(named->name));
    }
    // The page is half the longer side across and the shorter side down, in whole millimetres
    // or halves of one.
    const int longer = std::max(paper->width, paper->height) / 100;
    const int shorter = std::min(paper->width, paper->height) / 100;
    const QString across =
        QString::number(longer / 2) + (longer % 2 ? QStringLiteral(",5") : QString());
    return QString::fromUtf8(pageMillimetresText).arg(across).arg(shorter);
}

void SheetChoices::onChanged() {
    const bool custom = paper_->currentIndex() == static_cast<int>(std::size(namedPapers));
    customSize_->setEnabled(custom);
    const QString refusal =
        paper() ? QString()
                : QString::fromUtf8(refusedText).arg(paperMinMillimetres).arg(paperMaxMillimetres);
    refused_->setText(refusal);
    refused_->setAccessibleName(refusal);
    refused_->setVisible(!refusal.isEmpty());
    Q_EMIT changed();
}

void SheetChoices::startOn(const Paper& paper) {
    if (!paperChosen_)
        showPaper(paper);
}

void SheetChoices::choose(const BookletJob& job) {
    paperChosen_ = true;
    showPaper(job.paper);
    rightToLeft_->setChecked(job.binding.rightToLeft);
    backCoverLast_->setChecked(job.binding.backCoverLast);
}

void SheetChoices::showPaper(const Paper& paper) {
    if (const auto named = namedPaper(paper)) {
        paper_->setCurrentText(shownName(named->name));
        return;
    }
    paper_->setCurrentIndex(static_cast<int>(std::size(namedPapers)));
    customSize_->setText(QString::fromStdString(paperText(paper)));
}

BookletJob SheetChoices::applied(BookletJob job) const {
    job.paper = paper().value_or(Paper{});
    // The test sheet's pages have no reading order.
    if (!job.testSheet)
        job.binding = {.rightToLeft = rightToLeft_->isChecked(),
                       .backCoverLast = backCoverLast_->isChecked()};
    return job;
}

QList<QWidget*> SheetChoices::focusOrder() const {
    return {paper_, customSize_, rightToLeft_, backCoverLast_};
}

QWidget* SheetChoices::refusedField() const {
    return paper() ? nullptr : customSize_;
}

void SheetChoices::showPageNote(Mode mode) {
    QString note;
    const std::optional<Paper> paper = this->paper();
    if (paper && !pageSize_.isEmpty()) {
        const double scale =
            fitScale(pageSize_.width(), pageSize_.height(), cellSize(mode, sideSize(*paper)));
        const int percent = static_cast<int>(std::lround(scale * 100));
        const auto named = pagePaper(pageSize_.width(), pageSize_.height());
        // 72 points to the inch of 25.4 millimetres.
        const QString pages = named ? shownName(named->name)
                                    : QString::fromUtf8(customPagesText)
                                          .arg(std::lround(pageSize_.width() * 25.4 / 72))
                                          .arg(std::lround(pageSize_.height() * 25.4 / 72));
        if (percent != 100)
            note = QString::fromUtf8(pagesScaledText)
                       .arg(pages, percent < 100 ? QString::fromUtf8(reducedText)
                                                 : QString::fromUtf8(enlargedText))
                       .arg(percent);
    }
    note_->setText(note);
    note_->setAccessibleName(note);
    note_->setVisible(!note.isEmpty());
}

} // namespace plicora
