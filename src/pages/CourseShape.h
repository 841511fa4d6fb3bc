// The course's shape: which page numbers hold what. Page N is FormN (PageList.h); the start
// page comes before Form1. Everything that depends on where the theory or the quiz begins or
// ends reads it from here.
#pragma once

namespace apostila::pages::shape {

inline constexpr int kFirstTheoryPage = 5;  // Form1 to Form3 are the information pages, Form4 the contents
inline constexpr int kLastTheoryPage = 64;
inline constexpr int kFirstQuestionPage = 65;  // question 1
inline constexpr int kLastQuestionPage = 84;   // question 20
inline constexpr int kFirstPreviewQuestionPage = 81;  // questions 17 to 20 show their circuit
inline constexpr int kResultPage = 85;                 // the quiz's result, after the last question
inline constexpr int kQuestionCount = kLastQuestionPage - kFirstQuestionPage + 1;

}  // namespace apostila::pages::shape
