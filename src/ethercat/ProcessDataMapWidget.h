#pragma once

#include "ethercat/ProcessDataMap.h"

#include <QAbstractScrollArea>
#include <QString>

#include <array>
#include <optional>

namespace cfq {

// Draws a direction's process-data image one byte per line: the byte number,
// then its bits 0 to 7 from left to right. A Bool fills its bit's cell, any
// other variable fills its whole lines; each carries its name (elided) and
// the colour of its group. Only the lines in view are painted, so the cost
// does not grow with the size of the image.
class ProcessDataMapWidget : public QAbstractScrollArea
{
    Q_OBJECT

public:
    // The texts shown in the header and the tool tips.
    enum class Label
    {
        ByteAndBit,
        Name,
        Type,
        Position,
        StartBit,
        Group,
    };

    // A bit of the image: byte, and bit 0 to 7.
    struct Cell
    {
        std::int64_t byte;
        int bit;
        bool operator==(const Cell&) const = default;
    };

    explicit ProcessDataMapWidget(QWidget* parent = nullptr);

    void setMap(ProcessDataMap map);
    const ProcessDataMap& map() const { return m_map; }
    void setLabel(Label which, const QString& text);

    // The variable of this table row index is outlined and scrolled into
    // view when none of it shows; -1 outlines nothing.
    void setCurrentIndex(int index);
    int currentIndex() const { return m_currentIndex; }

    // Geometry in viewport coordinates, for the lines as now scrolled.
    std::optional<Cell> hitTest(QPoint point) const;
    QRect cellRect(Cell cell) const;
    // The variable holding a bit; nullptr for an unused bit.
    const MappedVariable* cellAt(Cell cell) const { return m_map.at(cell.byte, cell.bit); }
    const MappedVariable* variableAt(QPoint point) const;
    // Name, type, position, start bit and group of the variable under the
    // point; empty over an unused bit.
    QString toolTipAt(QPoint point) const;

    // Scrolls the byte's line to the top, or as near as the last lines
    // allow.
    void scrollToByte(std::int64_t byte);

signals:
    // A click on a variable's cell, with its table row index.
    void variableClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    std::int64_t firstLine() const;
    int lineCount() const;
    int wholeLinesInView() const;
    int byteColumnWidth() const;
    int cellWidth() const;
    // Top of a line, with lines far out of view clamped just outside it.
    int lineTop(std::int64_t line) const;
    QRect variableRect(const MappedVariable& variable) const;
    const MappedVariable* currentVariable() const;
    void updateScrollRange();

    void paintHeader(QPainter& painter) const;
    void paintLines(QPainter& painter) const;
    void paintVariable(QPainter& painter, const MappedVariable& variable) const;

    ProcessDataMap m_map;
    std::array<QString, 6> m_labels;
    int m_currentIndex = -1;
};

} // namespace cfq
