#pragma once

namespace mox {

// Makes Qt's own texts (its file and print dialogs, the buttons it captions itself) follow the
// program's language: Qt's translations for Chinese, its built-in English otherwise. Called whenever
// the language may have changed; it does nothing when Qt already speaks the language.
void FollowLanguageInQt(int language);

}  // namespace mox
