#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Stands in for the language module in this test build: ChangeLanguage records its form keys
// and applies texts from textsByObjectName instead of reading Language.mdb.
namespace fakelanguage {

struct State
{
    QHash<QString, QString> textsByObjectName;
    QStringList formKeys;
};

State& state();

} // namespace fakelanguage
