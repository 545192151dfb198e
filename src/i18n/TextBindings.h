#pragma once

#include <QString>

#include <functional>
#include <vector>

class QAbstractButton;
class QLabel;
class QTabWidget;
class QWidget;

namespace cfq {

class TextTable;

// The table of one window: which component property takes which text index.
// A window declares its bindings once; Set_Lang applies them all. An entry
// that a language file emptied gives an empty caption or hint.
class TextBindings
{
public:
    using Setter = std::function<void(const QString&)>;

    explicit TextBindings(const TextTable& table) : m_table(table) {}

    void windowTitle(QWidget* window, int index);
    void text(QLabel* label, int index);
    void text(QAbstractButton* button, int index);
    void hint(QWidget* widget, int index);
    void tab(QTabWidget* tabs, int tabIndex, int index);
    // Any other property, e.g. a grid header cell.
    void custom(int index, Setter setter);

    // Applies every binding in the order declared.
    void apply() const;

    // Every text index the window uses.
    std::vector<int> indices() const;

    // The text of an index as a QString.
    QString textOf(int index) const;

private:
    struct Binding
    {
        int index;
        Setter setter;
    };
    const TextTable& m_table;
    std::vector<Binding> m_bindings;
};

} // namespace cfq
