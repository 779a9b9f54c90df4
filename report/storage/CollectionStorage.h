#pragma once
// The report's collections in form data. While the report is written in its
// XML form each item travels as its attribute text inside a list; in plain
// form data the class library's own collection form is used. Reading takes
// either form.

class TCollection;
class TReader;
class TWriter;
class TrpReport;

void rpStoreCollection(const TCollection& collection, TWriter& writer, TrpReport& report);
// Item attribute errors go to the report's Errors; a value of neither form
// raises EReadError.
void rpLoadCollection(TCollection& collection, TReader& reader, TrpReport& report);
