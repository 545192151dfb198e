#include "ethercat/ProcessDataMapWidget.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <limits>

namespace cfq {
namespace {

constexpr int kLineHeight = 18;
constexpr int kHeaderHeight = 20;
constexpr int kMinCellWidth = 18;
constexpr int kPadding = 4;
constexpr int kBitsPerByte = 8;

// Light colours that keep black text readable, one per group in the order of
// the direction's groups (a direction has at most 16).
constexpr QRgb kGroupColours[] = {0xA8D8FF, 0xFFD59E, 0xB8F0B0, 0xF5B8D0, 0xD6C8FF, 0xFFF3A0, 0xA0E8E0, 0xFFC0B0,
                                  0xC8E6A0, 0xE0C8B0, 0xB0C8F0, 0xF0D0F0, 0xD0F0D0, 0xF0E0B0, 0xC0E0F0, 0xE8E8B0};
constexpr QRgb kNoGroupColour = 0xDCDCDC;
const QColor kTypeTextColour(96, 96, 96);

QColor groupColour(int order)
{
    if (order < 0)
        return QColor(kNoGroupColour);
    return QColor(kGroupColours[static_cast<std::size_t>(order) % std::size(kGroupColours)]);
}

std::int64_t endOf(const MappedVariable& variable)
{
    return variable.position + (variable.bit ? 1 : variable.bytes);
}

// The font of the Bool names, which share a byte's width among eight.
QFont smallerFont(QFont font)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 0.85);
    else
        font.setPixelSize(std::max(1, font.pixelSize() * 85 / 100));
    return font;
}

QString fromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

ProcessDataMapWidget::ProcessDataMapWidget(QWidget* parent) : QAbstractScrollArea(parent)
{
    // A scroll bar that is always there keeps the cells from changing width
    // as the image grows past the view.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(1);
}

void ProcessDataMapWidget::setMap(ProcessDataMap map)
{
    m_map = std::move(map);
    updateScrollRange();
    viewport()->update();
}

void ProcessDataMapWidget::setLabel(Label which, const QString& text)
{
    m_labels[static_cast<std::size_t>(which)] = text;
    viewport()->update();
}

void ProcessDataMapWidget::setCurrentIndex(int index)
{
    m_currentIndex = index;
    if (const MappedVariable* current = currentVariable()) {
        const std::int64_t first = firstLine();
        if (endOf(*current) <= first || current->position >= first + wholeLinesInView())
            scrollToByte(current->position);
    }
    viewport()->update();
}

std::int64_t ProcessDataMapWidget::firstLine() const
{
    return verticalScrollBar()->value();
}

int ProcessDataMapWidget::lineCount() const
{
    return static_cast<int>(std::min<std::int64_t>(m_map.byteCount(), std::numeric_limits<int>::max()));
}

int ProcessDataMapWidget::wholeLinesInView() const
{
    return std::max(1, (viewport()->height() - kHeaderHeight) / kLineHeight);
}

int ProcessDataMapWidget::byteColumnWidth() const
{
    const QFontMetrics metrics = fontMetrics();
    const int widest = std::max(metrics.horizontalAdvance(m_labels[static_cast<std::size_t>(Label::ByteAndBit)]),
                                metrics.horizontalAdvance(QStringLiteral("000000")));
    return widest + 2 * kPadding;
}

int ProcessDataMapWidget::cellWidth() const
{
    return std::max(kMinCellWidth, (viewport()->width() - byteColumnWidth()) / kBitsPerByte);
}

int ProcessDataMapWidget::lineTop(std::int64_t line) const
{
    const std::int64_t inView = std::clamp<std::int64_t>(line - firstLine(), -1, wholeLinesInView() + 2);
    return kHeaderHeight + static_cast<int>(inView) * kLineHeight;
}

std::optional<ProcessDataMapWidget::Cell> ProcessDataMapWidget::hitTest(QPoint point) const
{
    const int left = byteColumnWidth();
    if (point.y() < kHeaderHeight || point.x() < left)
        return std::nullopt;
    const std::int64_t line = firstLine() + (point.y() - kHeaderHeight) / kLineHeight;
    const int bit = (point.x() - left) / cellWidth();
    if (line >= lineCount() || bit >= kBitsPerByte)
        return std::nullopt;
    return Cell{line, bit};
}

QRect ProcessDataMapWidget::cellRect(Cell cell) const
{
    const int width = cellWidth();
    return {byteColumnWidth() + cell.bit * width, lineTop(cell.byte), width, kLineHeight};
}

QRect ProcessDataMapWidget::variableRect(const MappedVariable& variable) const
{
    if (variable.bit)
        return cellRect({variable.position, variable.startBit});
    const int top = lineTop(variable.position);
    return {byteColumnWidth(), top, kBitsPerByte * cellWidth(), lineTop(endOf(variable)) - top};
}

const MappedVariable* ProcessDataMapWidget::variableAt(QPoint point) const
{
    const std::optional<Cell> cell = hitTest(point);
    return cell ? cellAt(*cell) : nullptr;
}

const MappedVariable* ProcessDataMapWidget::currentVariable() const
{
    for (const MappedVariable& variable : m_map.variables()) {
        if (variable.index == m_currentIndex)
            return &variable;
    }
    return nullptr;
}

QString ProcessDataMapWidget::toolTipAt(QPoint point) const
{
    const MappedVariable* variable = variableAt(point);
    if (!variable)
        return {};
    const auto line = [this](Label label, const QString& value) {
        return m_labels[static_cast<std::size_t>(label)] + QStringLiteral(": ") + value;
    };
    QStringList lines = {line(Label::Name, fromStd(variable->name)), line(Label::Type, fromStd(variable->type)),
                         line(Label::Position, QString::number(variable->position)),
                         line(Label::StartBit, QString::number(variable->startBit))};
    if (!variable->group.empty())
        lines << line(Label::Group, fromStd(variable->group));
    return lines.join(QLatin1Char('\n'));
}

void ProcessDataMapWidget::scrollToByte(std::int64_t byte)
{
    verticalScrollBar()->setValue(static_cast<int>(std::clamp<std::int64_t>(byte, 0, lineCount())));
}

void ProcessDataMapWidget::updateScrollRange()
{
    const int lines = wholeLinesInView();
    verticalScrollBar()->setPageStep(lines);
    verticalScrollBar()->setRange(0, std::max(0, lineCount() - lines));
}

void ProcessDataMapWidget::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void ProcessDataMapWidget::scrollContentsBy(int, int)
{
    // The view scrolls by whole lines: everything moves, so repaint it all.
    viewport()->update();
}

void ProcessDataMapWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (const MappedVariable* variable = variableAt(event->position().toPoint())) {
            emit variableClicked(variable->index);
            return;
        }
    }
    QAbstractScrollArea::mousePressEvent(event);
}

bool ProcessDataMapWidget::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QAbstractScrollArea::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    if (const MappedVariable* variable = variableAt(help->pos()))
        QToolTip::showText(help->globalPos(), toolTipAt(help->pos()), viewport(), variableRect(*variable));
    else
        QToolTip::hideText();
    return true;
}

void ProcessDataMapWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().base());
    paintLines(painter);
    paintHeader(painter);
}

void ProcessDataMapWidget::paintHeader(QPainter& painter) const
{
    const int left = byteColumnWidth();
    const int width = cellWidth();
    painter.fillRect(0, 0, viewport()->width(), kHeaderHeight, palette().button());
    painter.setPen(palette().buttonText().color());
    painter.drawText(QRect(0, 0, left, kHeaderHeight), Qt::AlignCenter,
                     m_labels[static_cast<std::size_t>(Label::ByteAndBit)]);
    for (int bit = 0; bit < kBitsPerByte; ++bit)
        painter.drawText(QRect(left + bit * width, 0, width, kHeaderHeight), Qt::AlignCenter, QString::number(bit));
    painter.setPen(palette().mid().color());
    painter.drawLine(0, kHeaderHeight - 1, viewport()->width(), kHeaderHeight - 1);
}

void ProcessDataMapWidget::paintLines(QPainter& painter) const
{
    painter.save();
    painter.setClipRect(0, kHeaderHeight, viewport()->width(), viewport()->height() - kHeaderHeight);
    const int left = byteColumnWidth();
    const int width = cellWidth();
    const std::int64_t first = firstLine();
    const std::int64_t last = std::min<std::int64_t>(lineCount(), first + wholeLinesInView() + 1);

    // Byte numbers and the empty bit cells.
    for (std::int64_t line = first; line < last; ++line) {
        const int top = lineTop(line);
        painter.fillRect(0, top, left, kLineHeight, palette().window());
        painter.setPen(palette().windowText().color());
        painter.drawText(QRect(0, top, left - kPadding, kLineHeight), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(line));
        painter.setPen(palette().midlight().color());
        for (int bit = 0; bit < kBitsPerByte; ++bit)
            painter.drawRect(left + bit * width, top, width - 1, kLineHeight - 1);
    }

    for (const MappedVariable& variable : m_map.variables()) {
        if (variable.position >= last)
            break;
        if (endOf(variable) > first && (variable.bit || variable.bytes > 0))
            paintVariable(painter, variable);
    }

    if (const MappedVariable* current = currentVariable()) {
        painter.setPen(QPen(palette().highlight().color(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(variableRect(*current).adjusted(1, 1, -1, -1));
    }
    painter.restore();
}

void ProcessDataMapWidget::paintVariable(QPainter& painter, const MappedVariable& variable) const
{
    const QRect area = variableRect(variable);
    const QColor fill = groupColour(variable.groupOrder);
    painter.fillRect(area, fill);

    const QString name = fromStd(variable.name.empty() ? variable.type : variable.name);
    if (variable.bit) {
        painter.setFont(smallerFont(font()));
        const QRect text = area.adjusted(2, 0, -2, 0);
        painter.setPen(Qt::black);
        painter.drawText(text, Qt::AlignCenter, painter.fontMetrics().elidedText(name, Qt::ElideRight, text.width()));
        painter.setFont(font());
    } else {
        // Faint lines between the variable's bytes, then its name and type
        // on its first line in view.
        painter.setPen(fill.darker(115));
        const std::int64_t first = std::max(variable.position, firstLine());
        const std::int64_t end = std::min(endOf(variable), firstLine() + wholeLinesInView() + 1);
        for (std::int64_t line = first + 1; line < end; ++line)
            painter.drawLine(area.left(), lineTop(line), area.right(), lineTop(line));
        const QRect text(area.left() + kPadding, lineTop(first), area.width() - 2 * kPadding, kLineHeight);
        const QString type = fromStd(variable.type);
        const int typeWidth = fontMetrics().horizontalAdvance(type) + 2 * kPadding;
        const bool typeFits = fontMetrics().horizontalAdvance(name) + typeWidth <= text.width();
        painter.setPen(Qt::black);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(name, Qt::ElideRight, text.width()));
        if (typeFits) {
            painter.setPen(kTypeTextColour);
            painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, type);
        }
    }
    painter.setPen(fill.darker(160));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

} // namespace cfq
