#include "cli/CliSettings.h"

#include <ostream>
#include <set>

#include "cli/DataFileReport.h"
#include "cli/SettingFields.h"
#include "files/DataFile.h"
#include "files/DocumentWindows.h"

namespace mox::cli {
namespace {

struct SettingEdit {
    const SettingField* Field;
    std::string Value;
};

// The named fields, each found before the file is touched.
bool FindEdits(const std::vector<std::string>& pairs, std::vector<SettingEdit>& edits, std::ostream& err) {
    for (const std::string& pair : pairs) {
        const std::size_t equals = pair.find('=');
        const std::string name = pair.substr(0, equals);
        const SettingField* field = FindSettingField(name);
        if (field == nullptr) {
            err << "moxcps-cli: no setting " << name << " (settings FILE lists them)\n";
            return false;
        }
        edits.push_back({field, pair.substr(equals + 1)});
    }
    return true;
}

bool ApplyEdits(SettingsTarget& target, const std::vector<SettingEdit>& edits, std::ostream& err) {
    for (const SettingEdit& edit : edits) {
        const std::string& name = edit.Field->Name;
        if (!edit.Field->Set) {
            err << "moxcps-cli: " << name << " cannot be set by moxcps-cli yet\n";
            return false;
        }
        const std::string refusal = edit.Field->Set(target, edit.Value);
        if (!refusal.empty()) {
            err << "moxcps-cli: " << name << " does not take \"" << edit.Value << "\": " << refusal << '\n';
            return false;
        }
    }
    return true;
}

std::vector<std::string> PrintedValues(const SettingsTarget& target) {
    std::vector<std::string> values;
    for (const SettingField& field : AllSettingFields())
        values.push_back(field.Print(target));
    return values;
}

}  // namespace

int SettingsCommand(CliSession& session, const CliCommand& command, std::ostream& out, std::ostream& err) {
    std::vector<SettingEdit> edits;
    if (!FindEdits(command.Edits, edits, err))
        return 2;
    AppState& state = session.State();
    NoDocumentWindows windows;
    if (!OpenDataFile(state, windows, command.File))
        return 1;
    SettingsTarget target{state.Data, state.Companion};
    const std::vector<std::string> before = PrintedValues(target);
    if (!ApplyEdits(target, edits, err))
        return 2;
    if (!edits.empty() && !SaveDataFile(state, windows))
        return 1;
    if (command.Json) {
        PrintJson(FunctionSettingsJson(state), out);
        return 0;
    }
    std::set<const SettingField*> named;
    for (const SettingEdit& edit : edits)
        named.insert(edit.Field);
    const std::vector<std::string> after = PrintedValues(target);
    const std::vector<SettingField>& fields = AllSettingFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (edits.empty() || named.count(&fields[i]) != 0 || after[i] != before[i])
            out << fields[i].Name << '=' << after[i] << '\n';
    }
    return 0;
}

}  // namespace mox::cli
