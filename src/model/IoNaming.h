#pragma once

#include "config/IoNames.h"

#include <QString>

#include <optional>

namespace orfa::model {

// Outputs, sources and input boxes as a user names them on the command line:
// by number, or by the name the settings give them (compared without regard
// to case and surrounding blanks). A word that names nothing, or more than
// one, gives an error message instead.
class IoNaming {
public:
    explicit IoNaming(config::IoNames names);

    std::optional<int> output(const QString& word, QString& error) const;
    std::optional<int> source(const QString& word, QString& error) const;
    // An input box 1..5, or the name of a source (its box).
    std::optional<int> inputBox(const QString& word, QString& error) const;

    // The stored name, empty when the store has none.
    QString outputName(int output) const;
    QString sourceName(int source) const;

    const config::IoNames& names() const { return names_; }

private:
    template <typename Entries>
    std::optional<int> find(const Entries& entries, const QString& what, const QString& word,
                            QString& error) const;

    config::IoNames names_;
};

} // namespace orfa::model
