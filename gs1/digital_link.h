#pragma once
#include <string>

// GS1 Digital Link URIs in their uncompressed form: a web address whose path carries a primary
// key and its key qualifiers as AI/value pairs, and whose query string carries data attributes,
// e.g. "https://id.gs1.org/01/09501101530003/10/ABC123?17=251231".
//
// Only numeric AIs are read and written: the alphabetic short names (/gtin/, /lot/) are refused.

// The canonical URI of an element string (any form ParseGS1 reads, usually bracketed) under
// `domain` (scheme, host and any path of its own; a trailing '/' is dropped): the primary key,
// its qualifiers in the order of its qualifier path, then every other AI as a query parameter in
// ascending AI order. Values are percent-encoded but for the unreserved characters A-Z a-z 0-9
// - . _ ~. Every field is validated first. Throws EncodeError: InvalidData for an element string
// that is invalid or has no URI form (no primary key, an AI that is neither a qualifier of the
// key nor a data attribute, qualifiers from different paths, a repeated AI), `position` at the
// faulty AI where one is at fault; InvalidOption for a domain that is not http:// or https://.
std::string DigitalLinkFromElementString(const std::string& element_string,
                                         const std::string& domain = "https://id.gs1.org");

// The bracketed element string of a URI: the path's AIs in path order, then the query's AIs in
// ascending AI order, every field validated. The primary key is the leftmost path segment that
// is a key AI and is followed by AI/value pairs of its qualifiers alone, in path order; what comes
// before it is the domain's own path. Query parameters whose names are not 2 to 4 digits are not
// GS1's and are ignored, as is a fragment. Throws EncodeError (InvalidData, `position` the byte
// offset in the URI of what is at fault) for anything else that is not a valid GS1 Digital Link.
std::string ElementStringFromDigitalLink(const std::string& uri);
