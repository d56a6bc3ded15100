#pragma once
// Evaluates a formula as the calculation sheet prints it with its numbers
// put in: "(65,667 + 12,00)/1,50·1,60", "mín(22,48; 17,15)",
// "(1 − e^(−0,300·1,00/1,31))/0,300", "1000·1,100²/(22·60,00)". The sheet
// uses it to print each number with the decimals its result needs, so that
// a reader who works a line out with the numbers shown gets the value shown.

#include <optional>
#include <string_view>

// Decimal comma; operators + − · / and ^, powers ² and ³, √, e^(…), and the
// functions mín, máx and arred (half away from zero) with arguments
// separated by ";". Anything else (a symbol left in, a sentence) gives no value.
std::optional<double> avaliarFormula(std::string_view texto);
