#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

namespace orvane {

struct Arguments;

// An option: `--name VALUE` (or `--name=VALUE`), or a switch without a value.
// Commands may give one name different meanings: an entry naming commands
// is theirs, an entry naming none serves every other command.
struct OptionInfo {
    QString name;
    QString valueName; // empty for a switch
    QString defaultValue;
    QString help;
    QStringList commands = {};
};

// A command: its name, the options it takes, its operands and what runs it.
// An operand written in brackets, "[OUT.txt]", may be left out.
struct CommandInfo {
    QString name;
    QStringList options; // names of its options
    QStringList operands;
    QString help;
    int (*run)(const Arguments&);
};

// What a command line asks for, once read against its syntax.
struct Arguments {
    const CommandInfo* command = nullptr;
    QStringList operands;

    bool isSet(const QString& option) const { return given_.contains(option); }
    // The value given, or the option's default.
    QString value(const QString& option) const { return values_.value(option); }

private:
    friend struct ArgumentSyntax;
    QSet<QString> given_;
    QHash<QString, QString> values_;
};

// A reading of a command line.
struct ParsedArguments {
    enum class Action { Run, Help, Version, Refused };
    Action action = Action::Run;
    Arguments arguments; // Run
    QString error;       // Refused: what is wrong, a line in the tool's words
    QString usage;       // Refused: the usage of the command, or of all of them
};

// The syntax of a tool with commands: `PROGRAM COMMAND [OPTIONS] OPERANDS`,
// `-h`/`--help` and `-v`/`--version`. `--` ends the options and `-` is an
// operand. A command refuses the options it does not take.
struct ArgumentSyntax {
    QString program;
    QString description;
    std::vector<OptionInfo> options;
    std::vector<CommandInfo> commands;
    QString exitStatus;

    ParsedArguments parse(const QStringList& args) const;

    // One synopsis line per command, or only that of `command`.
    QString usage(const CommandInfo* command = nullptr) const;
    QString help() const;

private:
    // The entry of an option for a command, or any entry of that name.
    const OptionInfo* option(const QString& name, const CommandInfo* command = nullptr) const;
    QStringList takers(const OptionInfo& option) const;
    const CommandInfo* command(const QString& name) const;
    QString synopsis(const CommandInfo& command) const;
};

} // namespace orvane
