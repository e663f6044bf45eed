#include "engine/NewName.h"

#include "engine/TextUtil.h"
#include "engine/Utf8Text.h"
#include "engine/untGenLib.h"

namespace {

std::string RemoveClasses(std::string_view text, const RenameRules& rules)
{
    std::string result(text);
    if (rules.remalpha || rules.remall)
        result = RemoveCharClass(result, "Alpha");
    if (rules.remnum || rules.remall)
        result = RemoveCharClass(result, "Num");
    if (rules.remspec || rules.remall)
        result = RemoveCharClass(result, "Spec");
    if (rules.rembracket || rules.remall)
        result = RemoveCharClass(result, "Brackets");
    if (rules.remspace || rules.remall)
        result = EraseBytesOf(result, " ");
    return result;
}

// The characters from position `from` (1-based) over `length`, as the removal at a position
// reads them: a start below 1 counts as 1 without shortening the length.
std::string_view PieceAt(std::string_view text, std::int32_t from, std::int32_t length)
{
    if (length < 0)
        return {};
    const std::size_t first = from < 1 ? 0 : static_cast<std::size_t>(from) - 1;
    const std::size_t begin = Utf8OffsetOfChar(text, first);
    const std::size_t end = begin + Utf8OffsetOfChar(text.substr(begin), static_cast<std::size_t>(length));
    return text.substr(begin, end - begin);
}

} // namespace

std::string ApplyRemovals(std::string_view text, const RenameRules& rules)
{
    std::string result = RemoveClasses(text, rules);

    if (rules.rematpos) {
        const std::int32_t from = ParseInt(rules.remfrom);
        if (from != 0) {
            const std::int32_t length = ParseInt(rules.remlen);
            if (length != 0) {
                // The first copy of the piece is deleted, which may stand before the position.
                const std::string piece(PieceAt(result, from, length));
                if (!piece.empty())
                    result = ReplaceText(result, piece, "", false, false);
            }
        }
    }

    if (rules.remspeci && !rules.remtext.empty())
        result = ReplaceText(result, rules.remtext, "", rules.remspecall, !rules.remspeccs);
    return result;
}
