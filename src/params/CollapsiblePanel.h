#pragma once

#include <QWidget>

class QToolButton;

namespace cfq {

// A panel with a clickable header showing its caption and an
// expand/collapse mark; the body holds the panel's fields at fixed
// positions and is hidden while the panel is collapsed.
class CollapsiblePanel : public QWidget
{
    Q_OBJECT

  public:
    CollapsiblePanel(const char* objectName, QWidget* parent);

    // Height of every panel header.
    static constexpr int kHeaderHeight = 24;

    QWidget* body() const { return m_body; }
    void setCaption(const QString& caption);
    QString caption() const;
    // Height of the body shown below the header while expanded.
    void setBodyHeight(int height);

    bool expanded() const;
    void setExpanded(bool expanded);

  private:
    QToolButton* m_header;
    QWidget* m_body;
};

} // namespace cfq
