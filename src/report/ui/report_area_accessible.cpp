#include "report_area_accessible.h"

#include "report_area.h"

#include <QAccessibleWidget>

#include <algorithm>

namespace rotavex {

namespace {

class ReportAreaAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReportAreaAccessible(ReportArea *area) : QAccessibleWidget(area, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }

    // Named as the window names the area, else by its tooltip or its
    // window's title; its value is the report itself.
    QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name:
            if (!area()->accessibleName().isEmpty())
                return area()->accessibleName();
            return area()->toolTip().isEmpty() ? area()->window()->windowTitle() : area()->toolTip();
        case QAccessible::Value: return area()->text();
        default: return QAccessibleWidget::text(kind);
        }
    }

    // Nothing can be selected; the reading position is kept for the reader.
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return std::min(cursor_, characterCount()); }
    void setCursorPosition(int position) override { cursor_ = std::clamp(position, 0, characterCount()); }

    QString text(int startOffset, int endOffset) const override
    {
        const QString &all = area()->text();
        startOffset = std::clamp(startOffset, 0, int(all.size()));
        endOffset = endOffset < 0 ? int(all.size()) : std::clamp(endOffset, startOffset, int(all.size()));
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(area()->text().size()); }

    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return QString();
    }

private:
    ReportArea *area() const { return static_cast<ReportArea *>(widget()); }

    int cursor_ = 0;
};

QAccessibleInterface *reportAreaInterface(const QString &, QObject *object)
{
    if (auto *area = qobject_cast<ReportArea *>(object))
        return new ReportAreaAccessible(area);
    return nullptr;
}

}   // namespace

void installReportAreaAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(reportAreaInterface);
        return true;
    }();
    (void)installed;
}

}   // namespace rotavex
