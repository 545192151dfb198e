#include "i18n/TextBindings.h"

#include "i18n/TextTable.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTabWidget>

namespace cfq {

void TextBindings::windowTitle(QWidget* window, int index)
{
    custom(index, [window](const QString& text) { window->setWindowTitle(text); });
}

void TextBindings::text(QLabel* label, int index)
{
    custom(index, [label](const QString& text) { label->setText(text); });
}

void TextBindings::text(QAbstractButton* button, int index)
{
    custom(index, [button](const QString& text) { button->setText(text); });
}

void TextBindings::hint(QWidget* widget, int index)
{
    custom(index, [widget](const QString& text) { widget->setToolTip(text); });
}

void TextBindings::tab(QTabWidget* tabs, int tabIndex, int index)
{
    custom(index, [tabs, tabIndex](const QString& text) { tabs->setTabText(tabIndex, text); });
}

void TextBindings::custom(int index, Setter setter)
{
    m_bindings.push_back({index, std::move(setter)});
}

void TextBindings::apply() const
{
    for (const Binding& binding : m_bindings)
        binding.setter(textOf(binding.index));
}

std::vector<int> TextBindings::indices() const
{
    std::vector<int> result;
    result.reserve(m_bindings.size());
    for (const Binding& binding : m_bindings)
        result.push_back(binding.index);
    return result;
}

QString TextBindings::textOf(int index) const
{
    return QString::fromStdString(m_table[index]);
}

} // namespace cfq
