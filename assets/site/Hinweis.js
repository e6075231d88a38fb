// Site notes shown under the results.
function Hinweis() {}
