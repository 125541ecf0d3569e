// The handlers of the tag elements. Each turns one element into host text
// attributes (applied at the end of the story, or collected) or into an
// inserted character.
#pragma once

#include "tags/TagCode.h"
#include "tags/TagContext.h"

class TagReader;

void InsertSpecialCharacter(UTF16TextChar ch, const TagContext& context);
