#include "engine/NewName.h"

#include "engine/DateStamp.h"
#include "engine/TextUtil.h"
#include "engine/Utf8Text.h"
#include "engine/untGenLib.h"

namespace {

std::string CounterText(bool on, std::string_view width, std::int32_t counter)
{
    return on ? ZeroPad(counter, ParseInt(width)) : std::string();
}

std::string ChangedCase(std::string_view text, const RenameRules& rules)
{
    if (rules.lower)
        return ChangeCase(text, "Lower");
    if (rules.upper)
        return ChangeCase(text, "Upper");
    if (rules.toggle)
        return ChangeCase(text, "ToggleCase");
    if (rules.title)
        return ChangeCase(text, "TitleCase");
    return std::string(text);
}

std::string Inserted(std::string_view text, const RenameRules& rules)
{
    if (!rules.textins || IsBlankText(rules.textinstextpos) || rules.textinstext.empty())
        return std::string(text);
    const std::int32_t position = ParseIntOrZero(rules.textinstextpos);
    const std::size_t split = position <= 0 ? 0 : Utf8OffsetOfChar(text, static_cast<std::size_t>(position));
    std::string result(text.substr(0, split));
    result += rules.textinstext;
    result += text.substr(split);
    return result;
}

// Case, then removal before or after replace and insert, as remins says.
std::string Rewritten(std::string_view text, const RenameRules& rules)
{
    std::string result = ChangedCase(text, rules);
    if (rules.remins)
        result = ApplyRemovals(result, rules);
    if (rules.textrep && !rules.textreptext.empty())
        result = ReplaceText(result, rules.textreptext, rules.textreptextw, rules.textrepall, !rules.textrepcs);
    result = Inserted(result, rules);
    if (!rules.remins)
        result = ApplyRemovals(result, rules);
    return result;
}

std::string Placed(std::string name, std::string_view piece, std::string_view position)
{
    return position == "Prefix" ? std::string(piece) + name : name + std::string(piece);
}

} // namespace

NameParts SplitName(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return {std::string(name), std::string()};
    return {std::string(name.substr(0, dot)), std::string(name.substr(dot))};
}

std::string NewBaseName(const RenameRules& rules, std::string_view base,
                        std::int32_t counter, std::string_view dateText)
{
    const std::string counterText = CounterText(rules.counter, rules.countlen, counter);
    const std::string appended = rules.textadd ? rules.text : std::string();

    // The date is read even while the stamp is off, so a bad date text always shows.
    const DateTime moment = rules.fdatetype == "Todays Date" ? LocalNow() : ParseListDate(dateText);
    const std::string stamp = DateStamp(rules.dateformat, moment);

    std::string name = Rewritten(base, rules) + appended;
    if (rules.fdate)
        name = Placed(std::move(name), stamp, rules.fdateprefix);
    return Placed(std::move(name), counterText, rules.countprefix);
}

std::string NewExtension(const RenameRules& rules, std::string_view ext,
                         std::int32_t counter, bool filesMode)
{
    std::string text(ext);
    if (const std::size_t dot = text.find('.'); dot != std::string::npos)
        text.erase(dot, 1);
    const std::string counterText = CounterText(rules.counter, rules.countlen, counter);
    const std::string appended = rules.textadd ? rules.text : std::string();

    std::string name = Placed(Rewritten(text, rules) + appended, counterText, rules.countprefix);
    return filesMode ? "." + name : name;
}

std::string JoinName(std::string_view newBase, std::string_view newExt)
{
    if (newExt == ".")
        return std::string(newBase);
    return std::string(newBase) + std::string(newExt);
}
