#include "shell/cli/CommandSuggestion.h"
#include "platform/TextUtil.h"
#include "shell/cli/Subcommand.h"
#include <algorithm>
#include <vector>

namespace torvane {

namespace {

// Edits (insert, delete, replace, swap two neighbours) from one word to the other.
std::size_t editDistance(std::string_view from, std::string_view to)
{
    std::vector<std::vector<std::size_t>> cost(from.size() + 1, std::vector<std::size_t>(to.size() + 1));
    for (std::size_t i = 0; i <= from.size(); ++i)
        cost[i][0] = i;
    for (std::size_t j = 0; j <= to.size(); ++j)
        cost[0][j] = j;
    for (std::size_t i = 1; i <= from.size(); ++i) {
        for (std::size_t j = 1; j <= to.size(); ++j) {
            const std::size_t replace = cost[i - 1][j - 1] + (from[i - 1] == to[j - 1] ? 0 : 1);
            cost[i][j] = std::min({cost[i - 1][j] + 1, cost[i][j - 1] + 1, replace});
            if (i > 1 && j > 1 && from[i - 1] == to[j - 2] && from[i - 2] == to[j - 1])
                cost[i][j] = std::min(cost[i][j], cost[i - 2][j - 2] + 1);
        }
    }
    return cost[from.size()][to.size()];
}

// Letters only, in lower case: "/MakeIndex" and "make_index" are near "make-index".
std::string lettersOf(std::string_view word)
{
    std::string letters;
    for (char c : word) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
            letters += asciiLower(c);
    }
    return letters;
}

} // namespace

std::string unknownCommandProblem(std::string_view word)
{
    // Words are short, so a third of their letters wrong is still a slip.
    const std::string typed = lettersOf(word);
    std::string_view closest;
    std::size_t closestDistance = std::max<std::size_t>(1, typed.size() / 3) + 1;
    for (const Subcommand& command : subcommands()) {
        const std::size_t distance = editDistance(typed, lettersOf(command.name));
        if (distance < closestDistance) {
            closest = command.name;
            closestDistance = distance;
        }
    }
    std::string problem = "unknown command '" + std::string(word) + "'";
    if (!closest.empty())
        problem += " (did you mean '" + std::string(closest) + "'?)";
    return problem;
}

} // namespace torvane
