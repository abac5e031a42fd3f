#include "Arguments.h"

#include <algorithm>

namespace orvane {
namespace {

using Action = ParsedArguments::Action;

const QString HelpOptions = QStringLiteral("-h, --help");
const QString VersionOptions = QStringLiteral("-v, --version");

QString optionWithValue(const OptionInfo& o)
{
    return o.valueName.isEmpty() ? QStringLiteral("--") + o.name
                                 : QStringLiteral("--%1 %2").arg(o.name, o.valueName);
}

// `name` and its help, the help aligned in a column.
QString helpLine(const QString& name, const QString& help, qsizetype column)
{
    return QStringLiteral("  %1  %2\n").arg(name.leftJustified(column), help);
}

} // namespace

const OptionInfo* ArgumentSyntax::option(const QString& name, const CommandInfo* command) const
{
    const OptionInfo* found = nullptr;
    for (const OptionInfo& o : options) {
        if (o.name != name)
            continue;
        if (command && o.commands.contains(command->name))
            return &o;
        if (!found || (command && o.commands.isEmpty()))
            found = &o;
    }
    return found;
}

QStringList ArgumentSyntax::takers(const OptionInfo& o) const
{
    QStringList names;
    for (const CommandInfo& c : commands)
        if (c.options.contains(o.name) && option(o.name, &c) == &o)
            names << c.name;
    return names;
}

const CommandInfo* ArgumentSyntax::command(const QString& name) const
{
    const auto it = std::find_if(commands.begin(), commands.end(),
                                 [&](const auto& c) { return c.name == name; });
    return it == commands.end() ? nullptr : &*it;
}

ParsedArguments ArgumentSyntax::parse(const QStringList& args) const
{
    ParsedArguments parsed;
    QStringList words; // the command and its operands
    auto refuse = [&](const QString& error, const CommandInfo* only = nullptr) {
        parsed.action = Action::Refused;
        parsed.error = QStringLiteral("%1: %2").arg(program, error);
        parsed.usage = usage(only ? only : command(words.value(0)));
        return parsed;
    };
    Arguments& result = parsed.arguments;
    QStringList given; // the options, in order
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (optionsEnded || arg == u'-' || !arg.startsWith(u'-')) {
            words << arg;
            continue;
        }
        if (arg == QStringLiteral("--")) {
            optionsEnded = true;
            continue;
        }
        if (arg == QStringLiteral("-h") || arg == QStringLiteral("--help")) {
            parsed.action = Action::Help;
            return parsed;
        }
        if (arg == QStringLiteral("-v") || arg == QStringLiteral("--version")) {
            parsed.action = Action::Version;
            return parsed;
        }
        const qsizetype equals = arg.indexOf(u'=');
        const QString name = arg.mid(2, equals < 0 ? -1 : equals - 2);
        const OptionInfo* known = arg.startsWith(QStringLiteral("--")) ? option(name) : nullptr;
        if (!known)
            return refuse(QStringLiteral("unknown option %1").arg(arg.left(equals)));
        if (known->valueName.isEmpty() && equals >= 0)
            return refuse(QStringLiteral("--%1 takes no value").arg(name));
        QString value = equals < 0 ? QString() : arg.mid(equals + 1);
        if (equals < 0 && !known->valueName.isEmpty()) {
            if (++i == args.size())
                return refuse(
                    QStringLiteral("--%1 needs a value (%2)").arg(name, known->valueName));
            value = args[i];
        }
        result.values_[name] = value;
        result.given_.insert(name);
        given << name;
    }

    if (words.isEmpty())
        return refuse(QStringLiteral("no command given"));
    result.command = command(words[0]);
    if (!result.command)
        return refuse(QStringLiteral("unknown command '%1'").arg(words[0]));
    const CommandInfo& c = *result.command;
    for (const QString& name : given)
        if (!c.options.contains(name))
            return refuse(QStringLiteral("%1 does not take --%2").arg(c.name, name), &c);
    result.operands = words.mid(1);
    const qsizetype required =
        std::count_if(c.operands.begin(), c.operands.end(),
                      [](const QString& operand) { return !operand.startsWith(u'['); });
    if (result.operands.size() < required)
        return refuse(
            QStringLiteral("%1: %2 is missing").arg(c.name, c.operands[result.operands.size()]),
            &c);
    if (result.operands.size() > c.operands.size())
        return refuse(QStringLiteral("%1: unexpected operand '%2'")
                          .arg(c.name, result.operands[c.operands.size()]),
                      &c);
    for (const QString& name : c.options)
        if (!result.given_.contains(name))
            result.values_[name] = option(name, &c)->defaultValue;
    return parsed;
}

QString ArgumentSyntax::synopsis(const CommandInfo& c) const
{
    QStringList words{program, c.name};
    for (const QString& name : c.options)
        words << QStringLiteral("[%1]").arg(optionWithValue(*option(name, &c)));
    return (words + c.operands).join(u' ');
}

QString ArgumentSyntax::usage(const CommandInfo* only) const
{
    QStringList lines;
    for (const CommandInfo& c : commands)
        if (!only || &c == only)
            lines << synopsis(c);
    if (!only)
        lines << QStringLiteral("%1 --help | --version").arg(program);
    return QStringLiteral("usage: ") + lines.join(QStringLiteral("\n       ")) + u'\n';
}

QString ArgumentSyntax::help() const
{
    QString text = usage() + u'\n' + description + QStringLiteral("\n\nCommands:\n");
    qsizetype column = 0;
    for (const CommandInfo& c : commands)
        column = std::max(column, c.name.size());
    for (const CommandInfo& c : commands)
        text += helpLine(c.name, c.help, column);

    text += QStringLiteral("\nOptions:\n");
    column = std::max(HelpOptions.size(), VersionOptions.size());
    for (const OptionInfo& o : options)
        column = std::max(column, optionWithValue(o).size());
    for (const OptionInfo& o : options)
        text += helpLine(optionWithValue(o),
                         takers(o).join(QStringLiteral(", ")) + u':' + u' ' + o.help, column);
    text += helpLine(HelpOptions, QStringLiteral("print this help and exit"), column);
    text += helpLine(VersionOptions, QStringLiteral("print the version and exit"), column);
    return text + u'\n' + exitStatus + u'\n';
}

} // namespace orvane
