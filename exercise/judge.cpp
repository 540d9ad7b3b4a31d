#include "exercise/judge.h"

#include "exercise/answer.h"

namespace cinemoto {

bool judge(float answer, const Exercise &exercise)
{
    return answerWithinTolerance(answer, exercise.solution, exercise.level);
}

} // namespace cinemoto
