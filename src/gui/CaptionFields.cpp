// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaptionFields.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace kav::gui {
namespace {

// A gap is a run of at least this many blanks.
constexpr int kGapBlanks = 3;
// Fields for which a caption has no gap follow its text at this distance.
constexpr int kFieldSpacing = 4;

struct Gap {
    int start;
    int end;
};

std::vector<Gap> gapsOf(const QString& text) {
    std::vector<Gap> gaps;
    for (int i = 0; i < text.size();) {
        if (text[i] != ' ') {
            ++i;
            continue;
        }
        int end = i;
        while (end < text.size() && text[end] == ' ')
            ++end;
        if (end - i >= kGapBlanks)
            gaps.push_back({i, end});
        i = end;
    }
    return gaps;
}

} // namespace

CaptionFields::CaptionFields(QWidget* caption, std::vector<QWidget*> fields, QWidget* parent)
    : QWidget(parent), caption_(caption), fields_(std::move(fields)) {
    caption_->setParent(this);
    caption_->installEventFilter(this);
    for (QWidget* field : fields_) {
        field->setParent(this);
        field->raise();
    }
}

QString CaptionFields::captionText() const {
    if (const auto* box = qobject_cast<const QCheckBox*>(caption_))
        return box->text();
    if (const auto* label = qobject_cast<const QLabel*>(caption_))
        return label->text();
    return {};
}

// Where the caption's text begins: after the check box's indicator, or at a label's edge.
int CaptionFields::textLeft() const {
    if (const auto* box = qobject_cast<const QCheckBox*>(caption_)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).left();
    }
    return caption_->contentsRect().left();
}

QSize CaptionFields::sizeHint() const {
    QSize size = caption_->sizeHint();
    const auto gaps = static_cast<std::size_t>(gapsOf(captionText()).size());
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        size.setHeight(std::max(size.height(), fields_[i]->sizeHint().height()));
        if (i >= gaps)
            size.setWidth(size.width() + fields_[i]->sizeHint().width() + kFieldSpacing);
    }
    return size;
}

QSize CaptionFields::minimumSizeHint() const {
    return sizeHint();
}

void CaptionFields::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    caption_->setGeometry(rect());
    placeFields();
}

// A new caption (a language load) asks for a new layout: the size and the gaps follow it.
bool CaptionFields::event(QEvent* event) {
    if (event->type() == QEvent::LayoutRequest) {
        updateGeometry();
        placeFields();
    }
    return QWidget::event(event);
}

std::vector<QRect> CaptionFields::gapRects() const {
    const QString text = captionText();
    const QFontMetrics metrics = caption_->fontMetrics();
    const int left = textLeft();
    std::vector<QRect> rects;
    for (const Gap& gap : gapsOf(text)) {
        const int gapLeft = left + metrics.horizontalAdvance(text.left(gap.start));
        const int gapRight = left + metrics.horizontalAdvance(text.left(gap.end));
        rects.emplace_back(QPoint(gapLeft, 0), QPoint(gapRight - 1, height() - 1));
    }
    return rects;
}

bool CaptionFields::eventFilter(QObject* watched, QEvent* event) {
    if (watched == caption_ &&
        (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange))
        placeFields();
    return QWidget::eventFilter(watched, event);
}

void CaptionFields::placeFields() {
    const QString text = captionText();
    // A new caption (a language load) may need another size, also while the page is hidden.
    if (text != placedText_) {
        placedText_ = text;
        updateGeometry();
    }
    const std::vector<QRect> gaps = gapRects();
    int after = textLeft() + caption_->fontMetrics().horizontalAdvance(text) + kFieldSpacing;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        QWidget* field = fields_[i];
        const int height = field->sizeHint().height();
        const int top = (this->height() - height) / 2;
        if (i >= gaps.size()) {
            const int width = field->sizeHint().width();
            field->setGeometry(after, top, width, height);
            after += width + kFieldSpacing;
            continue;
        }
        const int gapLeft = gaps[i].left();
        const int gapRight = gaps[i].right() + 1;
        const int width =
            std::max(field->minimumSizeHint().width(), gapRight - gapLeft - kFieldSpacing);
        field->setGeometry((gapLeft + gapRight - width) / 2, top, width, height);
    }
}

} // namespace kav::gui
