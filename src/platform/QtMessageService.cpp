#include "platform/QtMessageService.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace cfq {
namespace {

QWidget* parentWindow()
{
    return QApplication::activeWindow();
}

QString caption()
{
    return QApplication::applicationDisplayName();
}

} // namespace

void QtMessageService::error(const std::string& text)
{
    QMessageBox::critical(parentWindow(), caption(), QString::fromStdString(text));
}

void QtMessageService::warning(const std::string& text)
{
    QMessageBox::warning(parentWindow(), caption(), QString::fromStdString(text));
}

bool QtMessageService::question(const std::string& text)
{
    return QMessageBox::question(parentWindow(), caption(), QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString toQtFilter(const std::string& filter)
{
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i];
    return filters.join(QStringLiteral(";;"));
}

std::optional<std::filesystem::path> QtMessageService::saveFileName(const SaveRequest& request)
{
    QFileDialog dialog(parentWindow(), QString(), QString::fromStdString(request.initialFolder.string()),
                       toQtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    // The overwrite question is the configurator's own.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().first().toStdString());
}

std::optional<std::filesystem::path> QtMessageService::openFileName(const OpenRequest& request)
{
    const QString file = QFileDialog::getOpenFileName(
        parentWindow(), QString(), QString::fromStdString(request.initialFolder.string()),
        toQtFilter(request.filter));
    if (file.isEmpty())
        return std::nullopt;
    return std::filesystem::path(file.toStdString());
}

} // namespace cfq
