#pragma once
// The set of reference values in use: the one place that changes it in the
// workspace, remembers it from one run to the next by the file it was read
// from, and tells whoever shows it (the status bar, the reference window).
// A calculation keeps the set it ran with whatever is chosen afterwards.

#include "model/workspace.h"

#include <QObject>
#include <QString>

#include <optional>

namespace rotavex {

class ReferenceChoice : public QObject {
    Q_OBJECT
public:
    explicit ReferenceChoice(Workspace &workspace, QObject *parent = nullptr);

    const ReferenceSet &inUse() const { return *workspace_.reference; }
    bool builtInInUse() const { return isBuiltIn(inUse()); }
    // The file the set in use was read from or saved to; empty for the
    // built-in set.
    const QString &file() const { return file_; }

    // The set, as the file at path holds it, is the one in use from now on,
    // this run and the next ones.
    void use(const ReferenceSet &set, const QString &path);
    // The observatory's 2018 values again, and no file remembered.
    void useBuiltIn();

    // At start: the set of the file remembered becomes the one in use. When
    // that file cannot be read, the built-in set stays and the message says
    // why; the file is still remembered, for a drive that is only missing
    // this time.
    std::optional<QString> restoreRemembered();

signals:
    void changed();

private:
    Workspace &workspace_;
    QString file_;
};

inline const QString ReferenceFileSetting = QStringLiteral("referencia/fichero");

// "Valores: Observatorio 2018", as the status bar shows the set in use.
QString referencePanelText(const ReferenceSet &set);

QString unreadableReferenceMessage(const QString &path, const std::string &refusal);

}   // namespace rotavex
