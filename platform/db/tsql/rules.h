#pragma once
// The rewriting rules of the translation, applied in the order translate() calls them. Each
// edits the token list in place and throws TranslateError on a shape it does not know.

#include "platform/db/tsql/tokenizer.h"

namespace zur::tsql {

struct Translation;

// [ZUR].[dbo].x, ZUR.dbo.x, dbo.x (any letter case, bracketed or not) -> x.
void dropSchemaPrefixes(Tokens& tokens);

// N'text' -> 'text' (SQLite texts are Unicode anyway).
void dropNationalPrefixes(Tokens& tokens);

// :@name -> @name (SQLite binds both @name and :name by name).
void rewriteParameters(Tokens& tokens);

// ISNULL -> ifnull, DATEPART(unit, x) -> unit(x), CONVERT(char type, x, 104) -> zur_date104(x).
void rewriteFunctions(Tokens& tokens);

// A literal holding a whole day-month-year date -> the stored form, except a LIKE pattern.
void rewriteDateLiterals(Tokens& tokens);

// SELECT [DISTINCT] TOP n ... -> SELECT [DISTINCT] ... LIMIT n; TOP (100) PERCENT is dropped.
void rewriteTop(Tokens& tokens);

// A JOIN whose right side is itself a join (A JOIN B JOIN C ON .. ON ..) gets brackets.
void bracketNestedJoins(Tokens& tokens);

// '+' between texts -> '||'; between numbers it stays.
void rewriteConcatenation(Tokens& tokens);

// SET DATEFORMAT dmy -> no-op; EXEC proc args -> procedure call. Returns false for any other
// statement.
bool translateCommand(const Tokens& tokens, Translation& out);

}  // namespace zur::tsql
