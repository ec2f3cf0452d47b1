#pragma once

#include <string>

namespace morvane {

// Decodes the character entities of page text as if each kind were replaced
// in turn, as long as it still occurs, in this order: &lt; &gt; &amp; &quot;
// &nbsp; &szlig; &auml; &Auml; &ouml; &Ouml; &uuml; &Uuml;. So "&amp;amp;x"
// becomes "&x", while "&amp;lt;" becomes "&lt;" (its kind had its turn before
// "&amp;" made it). Case-sensitive; other entities stay. One pass over the text.
std::string EntitaetenDekodieren(std::string text);

}  // namespace morvane
