#pragma once

namespace tk {

// The character that `c` stands for when case is of no account: Unicode's simple case folding,
// one character to one, exactly as Qt 6.4 folds (QChar::toCaseFolded), so that names keep the
// order they have always had. Characters without a fold are returned as they are.
char32_t caseFolded(char32_t c);

} // namespace tk
