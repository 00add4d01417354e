// The formula language of tool outputs and verdict conditions.
//
// A recursive-descent parser that computes while it parses. Errors set a
// sticky flag and substitute 0; parsing goes on to the end so the value of
// the rest is still produced.
//
//   conditional := or ["?" conditional ":" conditional]
//   or          := and {"||" and}
//   and         := comparison {"&&" comparison}
//   comparison  := sum [("<=" | ">=" | "==" | "!=" | "<" | ">") sum]
//   sum         := term {("+" | "-") term}
//   term        := power {("*" | "/" | "%") power}
//   power       := unary ["^" power]
//   unary       := "(" conditional ")" | ("-" | "+" | "!") unary | number
//                | name "(" conditional ["," conditional] ")" | name
#pragma once

#include "engine/tool_model.h"

namespace kelomed {

// Deeper nesting than this (parentheses, signs, powers and conditionals
// together, about 300 levels of parentheses) fails the evaluation instead of
// exhausting the stack.
inline constexpr int kMaxExpressionDepth = 1000;

// Evaluates `expression` over the tool's input keys (values from `inputs`)
// and output keys (values from the 16 `outputValues`). Stores 1 in `failed`
// when the text is absent or empty, malformed, left over, hits an error, or
// the value is not finite; the value is returned all the same.
double EvaluateExpression(const ToolDef& tool, const char* expression, const double* inputs,
                          const double* outputValues, int& failed);

}  // namespace kelomed
