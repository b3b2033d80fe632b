# bash completion for tallywright-count
_tallywright_count() {
  local cur prev words cword
  _init_completion -n = || return

  case $prev in
    --pricing)
      # Quoted as the shell needs it, so "Chars & spaces" stays one word.
      local mode
      for mode in Words Chars 'Chars & spaces' Lines Pages 'Weighted words'; do
        [[ $mode == "$cur"* ]] && COMPREPLY+=("$(printf %q "$mode")")
      done
      return
      ;;
    --format)
      COMPREPLY=($(compgen -W 'table tsv csv json' -- "$cur"))
      return
      ;;
    --include)
      # A comma-separated list: complete the name after the last comma.
      local done_part="" name
      [[ $cur == *,* ]] && done_part=${cur%,*},
      for name in notes comments charts diagrams hidden; do
        [[ $name == "${cur##*,}"* ]] && COMPREPLY+=("$done_part$name")
      done
      compopt -o nospace
      return
      ;;
    --profile)
      COMPREPLY=($(compgen -W 'classic word segments' -- "$cur"))
      return
      ;;
    --jobs)
      COMPREPLY=($(compgen -W "$(seq 1 "$(nproc 2>/dev/null || echo 4)")" -- "$cur"))
      return
      ;;
    --units)
      local done_part="" name
      [[ $cur == *,* ]] && done_part=${cur%,*},
      for name in lines pages repetitions; do
        [[ $name == "${cur##*,}"* ]] && COMPREPLY+=("$done_part$name")
      done
      compopt -o nospace
      return
      ;;
    --rate | --currency | --line-length | --page-length | --repetition-weight)
      return
      ;;
    --report)
      _filedir html
      return
      ;;
    --export)
      _filedir '@(csv|xlsx)'
      return
      ;;
  esac

  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W '-r --recursive --pricing --rate --currency --extra-symbols
      --headers-footers --legacy-bytes --include --xliff-target --profile --format --report -0 --null -q --quiet --merge -h --help
      --version --jobs --no-isolation --units --line-length --page-length --repetitions --repetition-weight
      --export' -- "$cur"))
    return
  fi
  _filedir
}
complete -F _tallywright_count tallywright-count
